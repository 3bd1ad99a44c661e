#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Our own table under data/, which the build merges with the MIME registries. Both files are
// UTF-8 text of ";"-separated lines; "#" starts a comment line, blank lines are skipped.

// What we know about a MIME type, or about every type whose name begins with `pattern` when
// the pattern ends in "/", ".", "-" or "+". An empty field says nothing.
struct TypeRule {
    std::string pattern;
    std::string description;  // only for an exact type
    std::string program;
    std::string platform;
};

struct CuratedTable {
    std::vector<std::string> extensionLines;  // data/extensions.txt: finished database lines
    std::vector<TypeRule> typeRules;          // data/types.txt
};

// Whether `extension` is a database extension: a dot, then lower-case letters, digits and
// "_+-." only.
bool IsDatabaseExtension(std::string_view extension);

// data/extensions.txt: "extension;file type;program;platform", checked field by field.
// `name` names the file in messages.
std::vector<std::string> ReadCuratedExtensions(std::istream& in, const std::string& name);

// data/types.txt: "type or prefix;description;program;platform".
std::vector<TypeRule> ReadTypeRules(std::istream& in, const std::string& name);
