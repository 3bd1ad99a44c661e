#pragma once

#include <optional>
#include <string>
#include <string_view>

// The language name as the program uses it: "German" when the system's language name
// contains "Deutsch" (as the system words it, case-sensitive), "English" otherwise.
std::string LanguageNameFromSystemName(std::string_view systemLanguageName);

// 1000 for exactly "German", 5000 for any other name.
int LanguageBaseFor(std::string_view languageName);

// The current language name: a stored language that is not blank (codes up to 32 trimmed from
// both ends for that test only) is used as stored; otherwise, or when nothing could be read
// (`stored` empty), the name from the system language decides.
std::string ChooseLanguageName(std::string_view systemLanguageName,
                               const std::optional<std::string>& stored);
