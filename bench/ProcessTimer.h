#pragma once

#include <string>
#include <vector>

// Runs a program once with its output written to a scratch file and thrown away and returns the
// wall-clock milliseconds from just before it is started until it has ended, its own start
// included; a negative value when it could not be run or did not end normally.
double ProcessMilliseconds(const std::vector<std::string>& arguments);
