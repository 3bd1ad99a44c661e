#pragma once

#include <string>
#include <string_view>

// One database line: extension;file type;program;platform, split at every ";" without
// quoting. Fields behind the fourth are ignored by every reader.

// Field n (counted from 1) of a line: the text between the (n-1)-th and the n-th ";".
// A line with fewer fields gives its last field, and any n of 1 or less the first one.
// The view points into `line`. The whole line counts, however long it is.
std::string_view FieldOf(std::string_view line, int n);

inline std::string ExtractField(std::string_view line, int n) {
    return std::string(FieldOf(line, n));
}
