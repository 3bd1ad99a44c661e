#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small text helpers of the database build.

std::string LowerAscii(std::string text);

// The ";"-separated fields of a line, all of them, empty ones included.
std::vector<std::string> SplitFields(std::string_view line);

// A text made fit for one field: ";" (the field separator) and line breaks become ",", " ".
std::string FieldText(std::string text);
