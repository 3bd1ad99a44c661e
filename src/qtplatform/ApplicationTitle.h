#pragma once

#include <string>

// The title that names the program in its message boxes and error reports.
const std::string& ApplicationTitle();
void SetApplicationTitle(std::string title);
