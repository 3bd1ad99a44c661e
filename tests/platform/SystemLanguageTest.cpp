#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "platform/SystemLanguage.h"

TEST(LocaleFromSettings, ReadsTheLangAssignment) {
    EXPECT_EQ(LocaleFromSettings("# comment\nLANG=de_AT.UTF-8\n"), "de_AT.UTF-8");
    EXPECT_EQ(LocaleFromSettings("LANGUAGE=fr\nLANG=\"de_DE.UTF-8\"\n"), "de_DE.UTF-8");
    EXPECT_EQ(LocaleFromSettings("LC_ALL=C\n"), "");
    EXPECT_EQ(LocaleFromSettings(""), "");
}

TEST(LanguageNameOfLocale, NamesLanguagesAsTheSystemWordsThem) {
    EXPECT_EQ(LanguageNameOfLocale("de_DE.UTF-8"), "Deutsch (Deutschland)");
    EXPECT_EQ(LanguageNameOfLocale("de_AT@euro"), "Deutsch (Österreich)");
    EXPECT_EQ(LanguageNameOfLocale("de_IT.UTF-8"), "Deutsch");
    EXPECT_EQ(LanguageNameOfLocale("en_US.UTF-8"), "English (United States)");
    EXPECT_EQ(LanguageNameOfLocale("C.UTF-8"), "Language Neutral");
    EXPECT_EQ(LanguageNameOfLocale(""), "Language Neutral");
}

TEST(SystemLanguageName, FitsTheFiftyCharacterBuffer) {
    EXPECT_LE(SystemLanguageName().size(), 49u);
}

struct LocaleEnvironmentCase {
    const char* lcAll;  // nullptr: not set
    const char* lcMessages;
    const char* lang;
    const char* name;
};

TEST(SystemLanguageName, TheUsersLocaleVariablesDecideInTheCLibrarysOrder) {
    const LocaleEnvironmentCase cases[] = {
        {"de_DE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", "Deutsch (Deutschland)"},
        {nullptr, "de_AT.UTF-8", "en_GB.UTF-8", "Deutsch (\xD6sterreich)"},
        {"", nullptr, "de_CH.UTF-8", "Deutsch (Schweiz)"},
        {"en_US.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", "English (United States)"},
        {"C", "de_DE.UTF-8", nullptr, "Language Neutral"},
    };
    for (const LocaleEnvironmentCase& c : cases) {
        const std::pair<const char*, const char*> variables[] = {
            {"LC_ALL", c.lcAll}, {"LC_MESSAGES", c.lcMessages}, {"LANG", c.lang}};
        for (const auto& [variable, value] : variables) {
            value != nullptr ? ::setenv(variable, value, 1) : ::unsetenv(variable);
        }
        EXPECT_EQ(SystemLanguageName(), c.name) << c.lang;
    }
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::unsetenv("LANG");
}
