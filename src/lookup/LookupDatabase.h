#pragma once

#include <filesystem>
#include <string>

#include "db/ExtensionDatabase.h"

// The extension database as the programs without the window load it: the file that the
// program in `programFolder` reads, deciphered into lines. Other
// lookups may read it at the same time. Raises an Exception when the file can't be opened or
// holds no database.
TStringList LoadDatabaseLines(const std::filesystem::path& programFolder);

// The same database as one text, not split into lines: all that a search needs.
TPlainText LoadDatabaseText(const std::filesystem::path& programFolder);
