#pragma once

#include <cstdio>
#include <vector>

#include "db/SearchEngine.h"
#include "lookup/FileFacts.h"

// What lumbrafix-lookup prints, in UTF-8: the database lines of a search, one a line with
// tab-separated fields, or what it found out about files, a short block a file; with `asJson`
// one JSON array of objects instead.

void PrintHits(const THitList& hits, bool asJson, std::FILE* out);

void PrintFiles(const std::vector<TFileFacts>& files, bool asJson, std::FILE* out);
