#pragma once

#include <string>

// Name against content: the type a file's name suggests (shared-mime-info's rules, through
// Qt's MIME database) and whether it disagrees with the type its content shows.

// The type that the name of `path` suggests; "inode/directory" for a folder and
// "application/octet-stream" for a name that suggests nothing.
std::string NameTypeOf(const std::string& path);

// True when name and content name different types of which neither is an alias or a parent
// of the other. A name that suggests nothing and a content answer that says no more than the
// name (any bytes, plain text for a text format, a ZIP for a ZIP-based format, an empty file)
// never disagree.
bool NameAndContentDisagree(const std::string& nameType, const std::string& contentType);

// The type whose applications open the file: the content's, unless the content answer is a
// generic one and the name says more.
std::string TypeToOpen(const std::string& nameType, const std::string& contentType);
