#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Registry.h"
#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"
#include "text/Language.h"

namespace {

struct LanguageRow {
    std::string name;
    std::string systemName;
    std::optional<std::string> stored;  // nothing: no "Language" value at all
    bool machineFolderRefused;
    std::string expected;
};

class LanguageDecision : public ::testing::TestWithParam<LanguageRow> {
protected:
    ScopedSettingsFolders folders;
};

TEST_P(LanguageDecision, FollowsTheStoredValueOnlyWhenItIsNotBlank) {
    const LanguageRow& row = GetParam();
    if (row.stored) {
        ASSERT_TRUE(WriteStoredLanguage(*row.stored));
    }
    if (row.machineFolderRefused) {
        folders.RefuseMachineFolder();
    }
    EXPECT_EQ(ChooseLanguageName(row.systemName, ReadStoredLanguage()), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageDecision,
    ::testing::Values(
        LanguageRow{"DeutschSystemNothingStored", "Deutsch (Deutschland)", {}, false, "German"},
        LanguageRow{"AustrianSystem", "Deutsch (\xD6sterreich)", {}, false, "German"},
        LanguageRow{"EnglishWordingOfGerman", "German (Germany)", {}, false, "English"},
        LanguageRow{"LowerCaseDeutsch", "deutsch", {}, false, "English"},
        LanguageRow{"EmptyStoredValue", "Deutsch (Deutschland)", "", false, "German"},
        LanguageRow{"BlankStoredValue", "Deutsch (Deutschland)", " \t\r\n ", false, "German"},
        LanguageRow{"LeadingBlankKeptAsStored", "Deutsch (Deutschland)", " German", false,
                    " German"},
        LanguageRow{"LowerCaseGerman", "Deutsch (Deutschland)", "german", false, "german"},
        LanguageRow{"French", "Deutsch (Deutschland)", "French", false, "French"},
        LanguageRow{"StoredGermanOnEnglishSystem", "English (United States)", "German", false,
                    "German"},
        LanguageRow{"StoredEnglishOnGermanSystem", "Deutsch (Deutschland)", "English", false,
                    "English"},
        LanguageRow{"MachineFolderRefused", "English (United States)", "German", true, "English"}),
    RowName());

class SettingsTest : public ::testing::Test {
protected:
    ScopedSettingsFolders folders;
};

TEST_F(SettingsTest, LanguageValueOfAnotherTypeLetsTheSystemDecide) {
    ASSERT_TRUE(WriteStoredLanguage("German"));
    std::ofstream(RootFolder(HKEY_LOCAL_MACHINE) / "Software" / "Lumbrafix" / "@Language",
                  std::ios::binary)
        << std::string("REG_DWORD 4\n\1\0\0\0\n", 17);
    EXPECT_EQ(ReadStoredLanguage(), std::optional<std::string>(""));
}

TEST_F(SettingsTest, StoringTheLanguageFailsSilentlyWithoutTheMachineFolder) {
    folders.RefuseMachineFolder();
    EXPECT_FALSE(WriteStoredLanguage("German"));
    EXPECT_EQ(ReadStoredLanguage(), std::nullopt);
}

TEST_F(SettingsTest, UserValuesRoundTripAndMissingOnesReadEmpty) {
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "");
    EXPECT_FALSE(std::filesystem::exists(RootFolder(HKEY_CURRENT_USER)));
    WriteSetting("ContextMenuEnabled", "Yes");
    WriteSetting("Other", "Gr\xFC\xDF\x65 \"quoted\"\n");
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "Yes");
    EXPECT_EQ(ReadSetting("Other"), "Gr\xFC\xDF\x65 \"quoted\"\n");
    EXPECT_EQ(ReadSetting("Missing"), "");
    // The per-user values do not reach the machine-wide key.
    EXPECT_EQ(ReadStoredLanguage(), std::nullopt);
}

TEST_F(SettingsTest, UserValuesAreSkippedWhenTheirFolderCannotBeMade) {
    std::ofstream(folders.Root() / "config") << "a file where the folder should be";
    EXPECT_NO_THROW(WriteSetting("ContextMenuEnabled", "Yes"));
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "");
}

}  // namespace
