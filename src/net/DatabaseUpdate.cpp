#include "net/DatabaseUpdate.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "db/BfBlock.h"
#include "db/DatabaseKey.h"

namespace {

constexpr std::int64_t kBlockSize = 8;
constexpr std::uint8_t kMaxFinalCount = 7;

std::string TemporaryNameBeside(const std::string& path) {
    return path + ".tmp." + std::to_string(::getpid());
}

// Raises the stream write error for a failed flush, which is where a full disk may show.
void SyncToDisk(const std::string& path, int openFlags) {
    const int fd = ::open(path.c_str(), openFlags | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!synced) {
        throw EWriteError(FormatMessage("%s: %s", path.c_str(), SystemErrorText(error).c_str()));
    }
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

void RequireWellFormedDatabase(TStream& file) {
    file.SetPosition(0);
    if (!IsWellFormedDatabase(file)) {
        throw EDatabaseUpdateError("The received file is no extension database");
    }
}

}  // namespace

bool IsWellFormedDatabase(TStream& file) {
    const std::int64_t size = file.Size();
    if (size < kBlockSize || size % kBlockSize != 0) {
        return false;
    }
    BfBlock last{};
    file.SetPosition(size - kBlockSize);
    file.ReadBuffer(last.data(), last.size());
    BfApplyMask(BfMaskOf(BfExpandKey(BuildDatabaseKey())), last.data(), last.size());
    return last[7] <= kMaxFinalCount;
}

void ReceiveDatabaseFile(const std::string& databasePath, const TDatabaseTransfer& transfer) {
    const std::string temporary = TemporaryNameBeside(databasePath);
    try {
        {
            TFileStream received(temporary, TFileMode::fmCreate);
            transfer(received);
            RequireWellFormedDatabase(received);
        }
        SyncToDisk(temporary, O_RDONLY);
        if (std::rename(temporary.c_str(), databasePath.c_str()) != 0) {
            throw EFCreateError(
                FormatMessage("%s: %s", databasePath.c_str(), SystemErrorText(errno).c_str()));
        }
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    // Makes the rename itself lasting. The new file is already in place and complete, so a
    // folder that cannot be flushed is no reason to report the update as failed.
    try {
        SyncToDisk(FolderOf(databasePath), O_RDONLY | O_DIRECTORY);
    } catch (const EWriteError&) {
    }
}
