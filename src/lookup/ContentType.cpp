#include "lookup/ContentType.h"

#include <fcntl.h>
#include <magic.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/SharedLibrary.h"

namespace {

// libmagic's functions, from the library loaded at the first reader: the main window needs
// it only when a file is examined, and loading it at every start costs time.
struct MagicFunctions {
    decltype(&magic_open) open;
    decltype(&magic_load) load;
    decltype(&magic_error) error;
    decltype(&magic_close) close;
    decltype(&magic_setflags) setflags;
    decltype(&magic_file) file;
};

MagicFunctions BindMagic() {
    const TSharedLibrary library("libmagic.so.1");
    MagicFunctions magic{};
    library.Bind(magic.open, "magic_open");
    library.Bind(magic.load, "magic_load");
    library.Bind(magic.error, "magic_error");
    library.Bind(magic.close, "magic_close");
    library.Bind(magic.setflags, "magic_setflags");
    library.Bind(magic.file, "magic_file");
    return magic;
}

const MagicFunctions& Magic() {
    static const MagicFunctions magic = BindMagic();
    return magic;
}

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

// libmagic's reason for its last failure, or `fallback` when it has none.
std::string Reason(magic_set* cookie, const char* fallback) {
    const char* reason = cookie != nullptr ? Magic().error(cookie) : nullptr;
    return reason != nullptr ? reason : fallback;
}

}  // namespace

TContentReader::TContentReader() : cookie_(OpenCookie()) {
    if (cookie_ == nullptr || Magic().load(cookie_, nullptr) != 0) {
        const std::string reason = Reason(cookie_, "libmagic can't start");
        Magic().close(cookie_);
        throw EFileUnreadable(reason);
    }
}

TContentReader::~TContentReader() {
    Magic().close(cookie_);
}

magic_set* TContentReader::OpenCookie() {
    try {
        return Magic().open(MAGIC_ERROR);
    } catch (const ELibraryMissing& error) {
        throw EFileUnreadable(error.Message());
    }
}

std::string TContentReader::Ask(const std::string& path, int flags) {
    Magic().setflags(cookie_, MAGIC_ERROR | flags);
    const char* answer = Magic().file(cookie_, path.c_str());
    if (answer == nullptr) {
        throw EFileUnreadable(Reason(cookie_, "libmagic gives no answer"));
    }
    return answer;
}

TContentType TContentReader::Read(const std::string& path) {
    CheckReadable(path);
    return {Ask(path, MAGIC_MIME_TYPE), Ask(path, MAGIC_NONE)};
}
