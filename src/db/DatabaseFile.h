#pragma once

#include <string>

// Where the extension database lives. The window, the update and the command-line tools all
// ask here, so they always agree on which file is meant.

// The database's file name, the same in every folder that may hold it.
inline constexpr const char* kDatabaseFileName = "marbelin_ext.txt";

// The database file in `folder` (a folder name with its trailing "/").
std::string DatabaseFileIn(const std::string& folder);

// The database file the program reads when it runs from `programFolder` (with its trailing
// "/").
std::string DatabaseFileToRead(const std::string& programFolder);
