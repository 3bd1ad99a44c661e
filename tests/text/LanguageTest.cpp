#include <gtest/gtest.h>

#include "text/Language.h"

struct NameCase {
    const char* systemName;
    const char* language;
};

TEST(LanguageNameFromSystemName, OnlyTheCaseSensitiveWordDeutschGivesGerman) {
    const NameCase cases[] = {
        {"Deutsch (Deutschland)", "German"},
        {"Deutsch (\xD6sterreich)", "German"},
        {"Schweizerdeutsch", "English"},
        {"German (Germany)", "English"},
        {"deutsch", "English"},
        {"", "English"},
        {"xDeutschx", "German"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(LanguageNameFromSystemName(c.systemName), c.language) << c.systemName;
    }
}

TEST(LanguageBaseFor, ExactlyGermanGivesGermanBase) {
    EXPECT_EQ(LanguageBaseFor("German"), 1000);
    EXPECT_EQ(LanguageBaseFor("English"), 5000);
    EXPECT_EQ(LanguageBaseFor(" German"), 5000);
    EXPECT_EQ(LanguageBaseFor("german"), 5000);
    EXPECT_EQ(LanguageBaseFor("Deutsch"), 5000);
}
