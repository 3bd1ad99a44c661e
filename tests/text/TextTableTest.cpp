#include <gtest/gtest.h>

#include <set>

#include "text/TextTable.h"

TEST(TextTable, GermanTextsComeAsAnsiBytes) {
    EXPECT_EQ(LoadStr(1009), "Eine Leersuche ist nicht m\xF6glich!");
    EXPECT_EQ(LoadStr(1072), "Lumbrafix Explorer-Kontextmen\xFC einschalten ");
    EXPECT_EQ(LoadStr(1054), "Suchbegriffsverkn\xFCpfung");
}

TEST(TextTable, NumbersWithoutEntryGiveEmptyText) {
    EXPECT_EQ(LoadStr(5063), "");
    EXPECT_EQ(LoadStr(1076), "");
    EXPECT_EQ(LoadStr(-1), "");
    EXPECT_EQ(LoadStr(1063), "downloaden");
}

TEST(TextTable, BlanksAndDotRunsBelongToTheTexts) {
    EXPECT_EQ(LoadStr(1020), " (aktualisiert)");
    EXPECT_EQ(LoadStr(5074), "Internet update" + std::string(32, '.'));
    EXPECT_EQ(LoadStr(5075), "Search parameter" + std::string(28, '.'));
    EXPECT_EQ(LoadStr(1077), "Sprache und Information" + std::string(17, '.'));
}

TEST(TextTable, EveryGermanTextHasAnEnglishPartnerExceptText63) {
    std::set<int> german, english;
    for (const TextTableEntry& entry : TextTableEntries()) {
        (entry.id < kEnglishLanguageBase ? german : english).insert(entry.id % 1000);
        EXPECT_LE(LoadStr(entry.id).size(), kMaxTextLength);
    }
    german.erase(63);
    EXPECT_EQ(german, english);
}

TEST(TextTable, TitleNamesTheWebsiteInBrackets) {
    for (const int base : {kGermanLanguageBase, kEnglishLanguageBase}) {
        const std::string title = LoadStr(base + 15);
        EXPECT_EQ(title.rfind("Lumbrafix v1.2 - ", 0), 0u);
        EXPECT_EQ(title.back(), ')');
    }
}
