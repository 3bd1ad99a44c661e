#pragma once

#include <string_view>

// Removes characters with codes 0 to 32 from both ends: what a user typed or a settings file
// holds counts as empty when only blanks, tabs and line ends are left.
std::string_view TrimControls(std::string_view text);
