#pragma once

#include <cstdio>
#include <vector>

#include "lookup/FileFacts.h"

// What lumbrafix-lookup --file prints, in UTF-8: a short block a file, or with `asJson` one
// JSON array of objects.
void PrintFiles(const std::vector<TFileFacts>& files, bool asJson, std::FILE* out);
