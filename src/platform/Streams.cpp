#include "platform/Streams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/AnsiCodePage.h"

std::int64_t TStream::Size() {
    const std::int64_t position = Position();
    const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count != 0 && Read(buffer, count) != count) {
        throw EReadError("Stream-Lesefehler");
    }
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
    if (count != 0 && Write(buffer, count) != count) {
        throw EWriteError("Stream-Schreibfehler");
    }
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    if (position_ >= data_.size()) {
        return 0;
    }
    const std::size_t n = std::min(count, data_.size() - position_);
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) {
        return 0;
    }
    const std::size_t end = position_ + count;
    if (end > data_.size()) {
        data_.resize(end);
    }
    std::memcpy(data_.data() + position_, buffer, count);
    position_ = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == TSeekOrigin::soCurrent) {
        base = static_cast<std::int64_t>(position_);
    } else if (origin == TSeekOrigin::soEnd) {
        base = static_cast<std::int64_t>(data_.size());
    }
    position_ = static_cast<std::size_t>(std::max<std::int64_t>(0, base + offset));
    return static_cast<std::int64_t>(position_);
}

void TMemoryStream::SetSize(std::int64_t newSize) {
    const auto size = static_cast<std::size_t>(std::max<std::int64_t>(0, newSize));
    data_.reserve(size);
    data_.resize(size);
    position_ = std::min(position_, size);
}

std::string SystemErrorText(int errorNumber) {
    // The system speaks UTF-8 in the user's language; the program's texts are ANSI.
    return Utf8ToAnsi(std::strerror(errorNumber));
}

namespace {

// The failed lock means that another process holds the file. Other lock errors come from file
// systems that cannot lock a file opened for reading (network shares: EBADF, ENOLCK,
// EOPNOTSUPP); the lock only guards against a cooperating writer, so the file is read anyway.
bool LockedByAnother(int lockError) {
    return lockError == EWOULDBLOCK;
}

// File names are UTF-8 on disk; messages are ANSI texts.
std::string FileNameText(const std::string& fileName) {
    return Utf8ToAnsi(fileName);
}

int OpenFile(const std::string& fileName, TFileMode mode) {
    if (mode == TFileMode::fmCreate) {
        const int fd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            throw EFCreateError(FormatMessage("Datei %s kann nicht erstellt werden. %s",
                                              FileNameText(fileName).c_str(),
                                              SystemErrorText(errno).c_str()));
        }
        return fd;
    }
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    int error = errno;
    if (fd >= 0) {
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            error = EISDIR;
        } else if (::flock(fd, (mode == TFileMode::fmOpenReadShared ? LOCK_SH : LOCK_EX) |
                                   LOCK_NB) == 0 ||
                   !LockedByAnother(errno)) {
            return fd;
        } else {
            error = errno;
        }
        ::close(fd);
    }
    throw EFOpenError(
        FormatMessage("Datei %s kann nicht ge\xF6"
                      "ffnet werden. %s",
                      FileNameText(fileName).c_str(), SystemErrorText(error).c_str()));
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, TFileMode mode)
    : fd_(OpenFile(fileName, mode)) {}

TFileStream::~TFileStream() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

namespace {

// Moves bytes with read() or write() until all are through, the file ends or an error stops
// it; interrupted calls are repeated. Returns how many bytes went through.
template <typename Transfer, typename Byte>
std::size_t TransferAll(Transfer transfer, int fd, Byte* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = transfer(fd, bytes + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    return TransferAll(::read, fd_, static_cast<std::uint8_t*>(buffer), count);
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
    return TransferAll(::write, fd_, static_cast<const std::uint8_t*>(buffer), count);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    int whence = SEEK_SET;
    if (origin == TSeekOrigin::soCurrent) {
        whence = SEEK_CUR;
    } else if (origin == TSeekOrigin::soEnd) {
        whence = SEEK_END;
    }
    return ::lseek(fd_, offset, whence);
}

void TFileStream::SetSize(std::int64_t newSize) {
    if (::ftruncate(fd_, newSize) != 0) {
        throw EWriteError("Stream-Schreibfehler");
    }
}
