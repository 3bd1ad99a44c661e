#include "lookup/ExactExtension.h"

#include "db/ExtensionRecord.h"

std::string ExtensionOfName(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) {
        return {};
    }
    return std::string(name.substr(dot));
}

THitList RecordsWithExtension(const TStringList& lines, std::string_view extension) {
    THitList records;
    if (extension.empty()) {
        return records;
    }
    const std::string wanted = AsciiUpperCase(extension);
    for (const std::string_view line : lines) {
        if (AsciiUpperCase(FieldOf(line, 1)) == wanted) {
            records.emplace_back(line);
        }
    }
    return records;
}
