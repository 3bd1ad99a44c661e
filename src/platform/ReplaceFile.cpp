#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int kNameAttempts = 16;
constexpr const char* kTemporaryMark = ".tmp.";
constexpr std::size_t kRandomDigits = 16;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string RandomDigits() {
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, 0) != sizeof random) {
        throw EFCreateError(FormatMessage("no random name: %s", SystemErrorText(errno).c_str()));
    }
    char digits[kRandomDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random));
    return digits;
}

[[noreturn]] void ThrowFileError(const std::string& what, const std::string& path, int error) {
    throw EFCreateError(
        FormatMessage("%s %s: %s", what.c_str(), path.c_str(), SystemErrorText(error).c_str()));
}

// A new file under a fresh random name beside `path`, created exclusively and without
// following a link; `name` tells which once it exists.
TFileStream CreateTemporary(const std::string& path, mode_t mode, std::string& name,
                            const TReplaceStepHook& beforeStep) {
    for (int attempt = 1;; ++attempt) {
        const std::string candidate =
            path + kTemporaryMark + std::to_string(::getpid()) + '.' + RandomDigits();
        if (beforeStep) {
            beforeStep(TReplaceStep::Create, candidate);
        }
        const int fd =
            ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            name = candidate;
            return TFileStream(fd);
        }
        if (errno != EEXIST || attempt == kNameAttempts) {
            ThrowFileError("cannot create a temporary file for", path, errno);
        }
    }
}

// The process id in a name "<path>.tmp.<pid>.<16 hex digits>", or 0 when it is no such name.
pid_t WriterOf(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return 0;
    }
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos) {
        return 0;
    }
    const std::string_view digits = rest.substr(dot + 1);
    if (digits.size() != kRandomDigits ||
        digits.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return 0;
    }
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dot, pid);
    return error == std::errc() && end == rest.data() + dot ? pid : 0;
}

// Removes temporary files of `path` whose writer has ended; a file of a writer still running
// is its own.
void RemoveLeftovers(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string prefix = fs::path(path).filename().string() + kTemporaryMark;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(FolderOf(path), error)) {
        const pid_t writer = WriterOf(entry.path().filename().string(), prefix);
        if (writer > 0 && ::kill(writer, 0) != 0 && errno == ESRCH) {
            ::unlink(entry.path().c_str());
        }
    }
}

// The permissions of the file being replaced, or `mode` less the umask that the creation of
// the temporary file has applied already.
void TakePermissions(const TFileStream& file, const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(file.Handle(), old.st_mode & 07777) != 0) {
        ThrowFileError("cannot set the permissions of", path, errno);
    }
}

// Flushes a file or folder to the disk; a failure (a full disk may only show here) raises
// EWriteError.
void SyncToDisk(int fd, const std::string& path) {
    if (::fsync(fd) != 0) {
        throw EWriteError(FormatMessage("%s: %s", path.c_str(), SystemErrorText(errno).c_str()));
    }
}

// Makes the rename itself lasting. The new file is already complete and in place, so a folder
// that cannot be flushed is no reason to report a failure.
void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void ReplaceFile(const std::string& path, const std::function<void(TStream&)>& produce, mode_t mode,
                 const TReplaceStepHook& beforeStep) {
    std::string temporary;
    const auto step = [&](TReplaceStep next) {
        if (beforeStep) {
            beforeStep(next, temporary);
        }
    };
    RemoveLeftovers(path);
    try {
        TFileStream out = CreateTemporary(path, mode, temporary, beforeStep);
        step(TReplaceStep::Produce);
        produce(out);
        step(TReplaceStep::Permissions);
        TakePermissions(out, path);
        // On disk before the rename, so that a crash cannot leave the name on an empty file.
        step(TReplaceStep::Flush);
        SyncToDisk(out.Handle(), temporary);
        step(TReplaceStep::Rename);
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            ThrowFileError("cannot replace", path, errno);
        }
    } catch (...) {
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        throw;
    }
    SyncFolder(path);
}
