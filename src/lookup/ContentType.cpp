#include "lookup/ContentType.h"

#include <fcntl.h>
#include <magic.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A regular file must open for reading; libmagic would otherwise describe a file it can't
// read as "regular file, no read permission" and call that a success.
void CheckReadable(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        throw EFileUnreadable(std::strerror(errno));
    }
    if (S_ISREG(info.st_mode)) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            throw EFileUnreadable(std::strerror(errno));
        }
        ::close(fd);
    }
}

}  // namespace

TContentReader::TContentReader() : cookie_(magic_open(MAGIC_ERROR)) {
    if (cookie_ == nullptr || magic_load(cookie_, nullptr) != 0) {
        const std::string reason = cookie_ != nullptr && magic_error(cookie_) != nullptr
                                       ? magic_error(cookie_)
                                       : "libmagic can't start";
        magic_close(cookie_);
        throw EFileUnreadable(reason);
    }
}

TContentReader::~TContentReader() {
    magic_close(cookie_);
}

std::string TContentReader::Ask(const std::string& path, int flags) {
    magic_setflags(cookie_, MAGIC_ERROR | flags);
    const char* answer = magic_file(cookie_, path.c_str());
    if (answer == nullptr) {
        const char* reason = magic_error(cookie_);
        throw EFileUnreadable(reason != nullptr ? reason : "libmagic gives no answer");
    }
    return answer;
}

TContentType TContentReader::Read(const std::string& path) {
    CheckReadable(path);
    return {Ask(path, MAGIC_MIME_TYPE), Ask(path, MAGIC_NONE)};
}
