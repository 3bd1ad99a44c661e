#include "TableText.h"

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(';', start)) != std::string_view::npos;
         start = end + 1) {
        fields.emplace_back(line.substr(start, end - start));
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

std::string FieldText(std::string text) {
    for (char& c : text) {
        if (c == ';') {
            c = ',';
        } else if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
    }
    return text;
}
