#include "CuratedTable.h"

#include <functional>

#include "MimeSources.h"
#include "TableText.h"

namespace {

constexpr std::size_t kFields = 4;

// Calls `take` with the fields of every table line, or raises an error that names the line.
void ForEachTableLine(std::istream& in, const std::string& name,
                      const std::function<const char*(std::vector<std::string>&)>& take) {
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> fields = SplitFields(line);
        const char* problem =
            fields.size() == kFields ? take(fields) : "needs exactly four ';'-separated fields";
        if (problem != nullptr) {
            throw ESourceError(FormatMessage("%s, line %zu: %s", name.c_str(), number, problem));
        }
    }
}

}  // namespace

bool IsDatabaseExtension(std::string_view extension) {
    if (extension.size() < 2 || extension[0] != '.') {
        return false;
    }
    for (const char c : extension.substr(1)) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                             c == '+' || c == '-' || c == '.';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> ReadCuratedExtensions(std::istream& in, const std::string& name) {
    std::vector<std::string> lines;
    ForEachTableLine(in, name, [&](std::vector<std::string>& fields) -> const char* {
        if (!IsDatabaseExtension(fields[0])) {
            return "the extension needs a leading dot and lower-case letters, digits, _+-.";
        }
        if (fields[1].empty() || fields[2].empty() || fields[3].empty()) {
            return "file type, program and platform must not be empty";
        }
        lines.push_back(fields[0] + ';' + fields[1] + ';' + fields[2] + ';' + fields[3]);
        return nullptr;
    });
    return lines;
}

std::vector<TypeRule> ReadTypeRules(std::istream& in, const std::string& name) {
    std::vector<TypeRule> rules;
    ForEachTableLine(in, name, [&](std::vector<std::string>& fields) -> const char* {
        if (fields[0].empty()) {
            return "the type must not be empty";
        }
        rules.push_back({LowerAscii(fields[0]), fields[1], fields[2], fields[3]});
        return nullptr;
    });
    return rules;
}
