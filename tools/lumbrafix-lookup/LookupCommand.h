#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern const char* const kLookupHelp;

enum LookupExit { kLookupFound = 0, kLookupNothing = 1, kLookupWrongUsage = 2 };

// Runs lumbrafix-lookup with `arguments` (without the program name) on the database that the
// program in `programFolder` reads. Results go to out, reasons to err, both in UTF-8.
int RunLookup(const std::vector<std::string>& arguments, const std::filesystem::path& programFolder,
              std::FILE* out, std::FILE* err);
