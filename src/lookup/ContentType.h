#pragma once

#include <string>

#include "platform/Exceptions.h"

// A file that can't be examined: missing, unreadable, or refused by the content reader.
class EFileUnreadable : public Exception {
public:
    using Exception::Exception;
};

// What a file's content shows, as libmagic reads it from its first bytes.
struct TContentType {
    std::string type;         // MIME type, e.g. "image/png"
    std::string description;  // e.g. "PNG image data, 1 x 1, 8-bit/color RGBA, non-interlaced"
};

// One libmagic reader with its database loaded; not to be shared between threads.
class TContentReader {
public:
    TContentReader();  // raises EFileUnreadable when libmagic has no database
    ~TContentReader();
    TContentReader(const TContentReader&) = delete;
    TContentReader& operator=(const TContentReader&) = delete;

    // Raises EFileUnreadable (message in UTF-8) for a file that is missing or can't be read.
    // Devices, pipes and sockets are named, never read.
    TContentType Read(const std::string& path);

private:
    // A fresh libmagic cookie; raises EFileUnreadable when libmagic can't be loaded.
    static struct magic_set* OpenCookie();
    std::string Ask(const std::string& path, int flags);

    struct magic_set* cookie_;
};
