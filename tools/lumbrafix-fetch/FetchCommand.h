#pragma once

#include <cstdio>
#include <string>
#include <vector>

extern const char* const kFetchHelp;

enum FetchExit { kFetchOk = 0, kFetchFailed = 1, kFetchWrongUsage = 2 };

// Runs "lumbrafix-fetch [-v] URL FILE" or "--help": fetches URL with the settings of the
// database update and, only when the whole body arrived, puts it into FILE. Prints the status
// line to out; with -v also the status texts and work events as they happen. Failures go to
// err as "Class: message".
int RunFetch(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
