#pragma once

#include <filesystem>

// The folder that holds the running program's executable. Symbolic links are resolved, so a
// launcher link elsewhere still leads to the real folder; "." when the system can't say.
std::filesystem::path ProgramFolder();

// The running program's executable itself, links resolved; empty when the system can't say.
std::filesystem::path ProgramFile();
