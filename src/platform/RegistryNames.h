#pragma once

#include <string>
#include <string_view>

// File names for registry key and value names. Bytes that are not plainly safe in a file
// name (separators, wildcards, "%", control and non-ASCII bytes) become "%XX"; a leading "."
// is encoded too, so that no name can be "." or ".." or hide among the store's temporary
// files. The encoding is reversible, so distinct names always get distinct file names.

// The folder name of one key in a key path.
std::string KeyFileName(std::string_view keyName);

// The file name of a value: "@" followed by the encoded name; the default (unnamed) value is
// "@" alone. Key folders never start with "@", so values and sub-keys cannot collide.
std::string ValueFileName(std::string_view valueName);
