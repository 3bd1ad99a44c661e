#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"
#include "text/Language.h"

namespace {

struct LanguageRow {
    std::string name;
    std::string systemName;
    std::optional<std::string> stored;  // nothing: no "Language" value at all
    std::string expected;
};

class LanguageDecision : public ::testing::TestWithParam<LanguageRow> {
protected:
    ScopedSettingsFolders folders;
};

TEST_P(LanguageDecision, FollowsAStoredValueThatIsNotBlank) {
    const LanguageRow& row = GetParam();
    if (row.stored) {
        ASSERT_TRUE(WriteStoredLanguage(*row.stored));
    }
    EXPECT_EQ(ChooseLanguageName(row.systemName, ReadStoredLanguage()), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageDecision,
    ::testing::Values(
        LanguageRow{"DeutschNothingStored", "Deutsch (Deutschland)", {}, "German"},
        LanguageRow{"EnglishWordingOfGerman", "German (Germany)", {}, "English"},
        LanguageRow{"LowerCaseDeutsch", "deutsch (schweiz)", {}, "English"},
        LanguageRow{"EmptyStored", "Deutsch (\xD6sterreich)", "", "German"},
        LanguageRow{"BlankStored", "Deutsch (Deutschland)", " \t\r\n", "German"},
        LanguageRow{"LeadingBlankKept", "Deutsch (Deutschland)", " German", " German"},
        LanguageRow{"LowerCaseGerman", "Deutsch (Deutschland)", "german", "german"},
        LanguageRow{"French", "Deutsch (Deutschland)", "French", "French"},
        LanguageRow{"GermanOnEnglishSystem", "English (United States)", "German", "German"}),
    RowName());

class SettingsTest : public ::testing::Test {
protected:
    ScopedSettingsFolders folders;
};

TEST_F(SettingsTest, WithoutTheMachineFolderAChoiceIsStoredForTheUser) {
    ASSERT_TRUE(WriteStoredLanguage("German"));
    folders.RefuseMachineFolder();
    EXPECT_EQ(ReadStoredLanguage(), std::nullopt);
    EXPECT_TRUE(WriteStoredLanguage("English"));
    EXPECT_EQ(ReadStoredLanguage(), "English");
    std::filesystem::remove_all(folders.Root() / "config");
    std::ofstream(folders.Root() / "config") << "a file where the folder should be";
    EXPECT_FALSE(WriteStoredLanguage("German"));
}

struct StoredPair {
    std::string name;
    std::optional<std::string> own;  // nothing: the user has no settings key
    std::string machine;
    std::string read;
};

class UserBeforeMachine : public SettingsTest, public testing::WithParamInterface<StoredPair> {};

TEST_P(UserBeforeMachine, UsersValueComesFirstUnlessBlankAndFollowsALaterChoice) {
    ASSERT_TRUE(WriteStoredLanguage(GetParam().machine));
    if (GetParam().own) {
        WriteSetting("Language", *GetParam().own);
    }
    EXPECT_EQ(ReadStoredLanguage(), GetParam().read);
    ASSERT_TRUE(WriteStoredLanguage("French"));
    EXPECT_EQ(ReadStoredLanguage(), "French");
}

INSTANTIATE_TEST_SUITE_P(Settings, UserBeforeMachine,
                         testing::Values(StoredPair{"OwnFirst", "English", "German", "English"},
                                         StoredPair{"BlankOwn", " ", "German", "German"},
                                         StoredPair{"NoOwn", std::nullopt, "German", "German"}),
                         RowName());

TEST_F(SettingsTest, LanguageValueOfAnotherTypeLetsTheSystemDecide) {
    ASSERT_TRUE(WriteStoredLanguage("German"));
    std::ofstream(folders.Root() / "machine/HKEY_LOCAL_MACHINE/Software/Lumbrafix/@Language")
        << std::string("REG_DWORD 4\n\1\0\0\0\n", 17);
    EXPECT_EQ(ReadStoredLanguage(), std::optional<std::string>(""));
}

TEST_F(SettingsTest, AReadOnlyMachineValueIsRead) {
    ASSERT_TRUE(WriteStoredLanguage("German"));
    const auto key = folders.Root() / "machine/HKEY_LOCAL_MACHINE/Software/Lumbrafix";
    std::filesystem::permissions(key, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(ReadStoredLanguage(), "German");
    std::filesystem::permissions(key, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(SettingsTest, UserValuesRoundTripWithoutReachingTheMachineKey) {
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "");
    EXPECT_FALSE(std::filesystem::exists(folders.Root() / "config"));  // reads create nothing
    WriteSetting("ContextMenuEnabled", "Yes");
    WriteSetting("Other", "Gr\xFC\xDF\x65\n\"");
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "Yes");
    EXPECT_EQ(ReadSetting("Other"), "Gr\xFC\xDF\x65\n\"");
    EXPECT_EQ(ReadStoredLanguage(), std::nullopt);
}

TEST_F(SettingsTest, UserValuesAreSkippedWhenTheirFolderCannotBeMade) {
    std::filesystem::create_directories(folders.Root());
    std::ofstream(folders.Root() / "config") << "a file where the folder should be";
    EXPECT_NO_THROW(WriteSetting("ContextMenuEnabled", "Yes"));
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "");
}

}  // namespace
