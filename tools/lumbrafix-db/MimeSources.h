#pragma once

#include <istream>
#include <map>
#include <string>
#include <vector>

#include "platform/Exceptions.h"

// The two public MIME registries the shipped database is made from, read from the files their
// Debian packages install. Types and extensions come out in lower case, extensions with their
// leading dot; texts stay UTF-8.

// A source file that cannot be read or is not in its format.
class ESourceError : public Exception {
    using Exception::Exception;
};

struct MimeExtension {
    std::string extension;  // ".pdf"
    std::string type;       // "application/pdf"
};

struct MimeSource {
    std::vector<MimeExtension> extensions;
    std::map<std::string, std::string> names;  // type -> English name
};

// /etc/mime.types (package media-types): "type ext ext ..." lines, "#" comments.
MimeSource ReadMimeTypes(std::istream& in);

// mime-types.json (package ruby-mime-types-data): an array of type objects with
// "content-type", "extensions" and "friendly" {"en": name}. Obsolete types are left out.
MimeSource ReadMimeTypesData(std::istream& in);
