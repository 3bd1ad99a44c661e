#pragma once

#include <string>
#include <string_view>

// The language name as the program uses it: "German" when the system's language name
// contains "Deutsch" (as the system words it, case-sensitive), "English" otherwise.
std::string LanguageNameFromSystemName(std::string_view systemLanguageName);

// 1000 for exactly "German", 5000 for any other name.
int LanguageBaseFor(std::string_view languageName);
