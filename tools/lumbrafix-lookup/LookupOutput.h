#pragma once

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "db/SearchEngine.h"

// What lumbrafix-lookup prints for a search, in UTF-8: the database lines, one a line with
// tab-separated fields, or with `asJson` one JSON array of objects instead.
void PrintHits(const THitList& hits, bool asJson, std::FILE* out);

// The pieces that the file examination's output shares with it.
std::string TabbedLine(std::string_view line);
nlohmann::json RecordsJson(const THitList& lines);
void PrintJson(const nlohmann::json& value, std::FILE* out);
