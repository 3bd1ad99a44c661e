#pragma once

#include <string>

// The folder that holds the running program's executable, with its trailing "/". Symbolic
// links are resolved, so a launcher link elsewhere still leads to the real folder.
std::string ProgramFolder();
