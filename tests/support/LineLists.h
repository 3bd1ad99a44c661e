#pragma once

#include <string>
#include <vector>

#include "db/StringList.h"

// Lines as strings, to compare a loaded list with the lines a test expects.
using TLines = std::vector<std::string>;

inline TLines Lines(const TStringList& list) {
    return {list.begin(), list.end()};
}
