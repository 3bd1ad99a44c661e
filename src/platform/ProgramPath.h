#pragma once

#include <string>

// The folder that holds the running program's executable, with its trailing "/". Symbolic
// links are resolved, so a launcher link elsewhere still leads to the real folder.
std::string ProgramFolder();

// The running program's executable itself, links resolved; empty when the system can't say.
std::string ProgramFile();
