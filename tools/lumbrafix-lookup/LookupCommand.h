#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Exceptions.h"

extern const char* const kLookupHelp;

enum LookupExit { kLookupFound = 0, kLookupNothing = 1, kLookupWrongUsage = 2 };

struct TLookupArguments;

// Runs what --file asks for and returns the exit status. The search alone needs neither Qt nor
// the libraries that tell a file's type, whose loading would be most of its time; so the
// program that searches hands files over to one that has them.
using TExamineFiles = int (*)(const TLookupArguments& arguments,
                              const std::filesystem::path& programFolder, std::FILE* out,
                              std::FILE* err);

// Tells on `err` why the database could not be read.
void ReportDatabaseError(const Exception& error, std::FILE* err);

// Runs lumbrafix-lookup with `arguments` (without the program name) on the database that the
// program in `programFolder` reads. Results go to out, reasons to err, both in UTF-8.
int RunLookup(const std::vector<std::string>& arguments, const std::filesystem::path& programFolder,
              std::FILE* out, std::FILE* err, TExamineFiles examineFiles);
