#include "lookup/TypeAgreement.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>

namespace {

constexpr const char* kAnyBytes = "application/octet-stream";

QMimeType MimeType(const std::string& name) {
    return QMimeDatabase().mimeTypeForName(QString::fromStdString(name));
}

// Both name the same type, or one is a kind of the other (aliases resolved).
bool Related(const std::string& first, const std::string& second) {
    const QMimeType a = MimeType(first);
    const QMimeType b = MimeType(second);
    if (!a.isValid() || !b.isValid()) {
        return first == second;
    }
    return a == b || a.inherits(b.name()) || b.inherits(a.name());
}

// A content answer that says no more than the name already does.
bool Generic(const std::string& contentType, const std::string& nameType) {
    if (contentType == kAnyBytes || contentType == "inode/x-empty" ||
        contentType == "application/x-empty") {
        return true;
    }
    const bool container = contentType == "text/plain" || contentType == "application/zip";
    return container && MimeType(nameType).inherits(QString::fromStdString(contentType));
}

}  // namespace

std::string NameTypeOf(const std::string& path) {
    const QFileInfo file(QFile::decodeName(path.c_str()));
    return QMimeDatabase()
        .mimeTypeForFile(file, QMimeDatabase::MatchExtension)
        .name()
        .toStdString();
}

bool NameAndContentDisagree(const std::string& nameType, const std::string& contentType) {
    if (nameType == kAnyBytes || Generic(contentType, nameType)) {
        return false;
    }
    return !Related(nameType, contentType);
}

std::string TypeToOpen(const std::string& nameType, const std::string& contentType) {
    return Generic(contentType, nameType) && nameType != kAnyBytes ? nameType : contentType;
}
