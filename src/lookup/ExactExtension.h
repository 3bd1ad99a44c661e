#pragma once

#include <string>
#include <string_view>

#include "db/ExtensionDatabase.h"
#include "db/SearchEngine.h"

// The extension of a file name, with its dot, from the name's last part: "a.tar.gz" gives
// ".gz". Empty for a name without one: "README", ".bashrc", "name." and "folder.d/file".
std::string ExtensionOfName(std::string_view path);

// The database lines whose extension field equals `extension` (with its dot), a to z in any
// case, in database order. An empty extension has no lines.
THitList RecordsWithExtension(const TStringList& lines, std::string_view extension);
