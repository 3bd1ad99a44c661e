#pragma once

#include <cstdio>
#include <string>
#include <vector>

extern const char* const kFetchHelp;

enum FetchExit { kFetchOk = 0, kFetchFailed = 1, kFetchWrongUsage = 2 };

// Runs "lumbrafix-fetch [--timeout SECONDS] [--max-size BYTES] [--database] [-v] URL FILE" or
// "--help": fetches URL with the settings of the database update and, only when the whole
// body arrived within the limits (and, with --database, is a database), puts it into FILE.
// Prints the status line to out; with -v also the status texts and work events as they
// happen. A failure goes to err in English words naming its cause.
int RunFetch(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
