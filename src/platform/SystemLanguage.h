#pragma once

#include <string>
#include <string_view>

// The name of the system's default language, worded the way the system names languages in
// its own tongue ("Deutsch (Österreich)", "English (United States)"), in ANSI and cut to 49
// characters. The language is the user's locale (LC_ALL, LC_MESSAGES, LANG, the first one
// set), else the machine's locale setting.
std::string SystemLanguageName();

// The locale code ("de_AT.UTF-8") that a locale settings file assigns to LANG, or "".
std::string LocaleFromSettings(std::string_view settingsFileText);

// The language name for a locale code; unknown languages give "Language Neutral".
std::string LanguageNameOfLocale(std::string_view locale);
