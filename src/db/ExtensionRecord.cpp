#include "db/ExtensionRecord.h"

std::string_view FieldOf(std::string_view line, int n) {
    std::size_t start = 0;
    std::size_t separator = line.find(';');
    for (int field = 1; separator != std::string_view::npos && n > field; ++field) {
        start = separator + 1;
        separator = line.find(';', start);
    }
    const std::size_t end = separator == std::string_view::npos ? line.size() : separator;
    return line.substr(start, end - start);
}
