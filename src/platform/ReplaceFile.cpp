#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

std::string TemporaryNameBeside(const std::string& path) {
    return path + ".tmp." + std::to_string(::getpid());
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Flushes a file or folder to the disk; a failure (a full disk may only show here) raises
// EWriteError.
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

}  // namespace

void ReplaceFile(const std::string& path, const std::function<void(TStream&)>& produce,
                 mode_t mode) {
    const std::string temporary = TemporaryNameBeside(path);
    try {
        {
            TFileStream out(temporary, TFileMode::fmCreate);
            produce(out);
        }
        if (::chmod(temporary.c_str(), mode) != 0) {
            throw EFCreateError(
                FormatMessage("%s: %s", temporary.c_str(), SystemErrorText(errno).c_str()));
        }
        // On disk before the rename, so that a crash cannot leave the name on an empty file.
        SyncToDisk(temporary, O_RDONLY);
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            throw EFCreateError(FormatMessage("cannot replace %s: %s", path.c_str(),
                                              SystemErrorText(errno).c_str()));
        }
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    // Makes the rename itself lasting. The new file is already complete and in place, so a
    // folder that cannot be flushed is no reason to report a failure.
    try {
        SyncToDisk(FolderOf(path), O_RDONLY | O_DIRECTORY);
    } catch (const EWriteError&) {
    }
}
