#include "platform/SystemLanguage.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "text/AnsiCodePage.h"

namespace {

// The longest name the caller's 50-character buffer can take with its terminating zero.
constexpr std::size_t kMaxLanguageNameLength = 49;

struct RegionName {
    std::string_view locale;
    std::string_view name;  // UTF-8
};

// Language and region pairs named the way the system lists them; a language whose region is
// not listed falls back to the entry for the bare language code.
constexpr RegionName kRegionNames[] = {
    {"de_DE", "Deutsch (Deutschland)"},
    {"de_AT", "Deutsch (Österreich)"},
    {"de_CH", "Deutsch (Schweiz)"},
    {"de_LU", "Deutsch (Luxemburg)"},
    {"de_LI", "Deutsch (Liechtenstein)"},
    {"de_BE", "Deutsch (Belgien)"},
    {"de", "Deutsch"},
    {"en_US", "English (United States)"},
    {"en_GB", "English (United Kingdom)"},
    {"en", "English"},
    {"fr", "Français"},
    {"es", "Español"},
    {"it", "Italiano"},
    {"nl", "Nederlands"},
    {"pt", "Português"},
    {"pl", "Polski"},
    {"da", "Dansk"},
    {"sv", "Svenska"},
};

std::string ReadFile(const char* path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The user's locale as the C library picks the language of messages, else the machine's
// locale setting.
std::string SystemLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    for (const char* path : {"/etc/default/locale", "/etc/locale.conf"}) {
        std::string locale = LocaleFromSettings(ReadFile(path));
        if (!locale.empty()) {
            return locale;
        }
    }
    return "";
}

}  // namespace

std::string LocaleFromSettings(std::string_view settingsFileText) {
    std::istringstream lines{std::string(settingsFileText)};
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("LANG=", 0) != 0) {
            continue;
        }
        std::string value = line.substr(5);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return "";
}

std::string LanguageNameOfLocale(std::string_view locale) {
    const std::string_view region = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view language = region.substr(0, region.find('_'));
    for (const std::string_view key : {region, language}) {
        for (const RegionName& entry : kRegionNames) {
            if (entry.locale == key) {
                return std::string(entry.name);
            }
        }
    }
    return "Language Neutral";
}

std::string SystemLanguageName() {
    std::string name = Utf8ToAnsi(LanguageNameOfLocale(SystemLocale()));
    name.resize(std::min(name.size(), kMaxLanguageNameLength));
    return name;
}
