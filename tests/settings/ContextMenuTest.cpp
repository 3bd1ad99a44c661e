#include "settings/ContextMenu.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/Registry.h"
#include "settings/FileManagerEntries.h"
#include "settings/Settings.h"
#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"
#include "text/TextTable.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgram = "/opt/Lumbrafix/lumbrafix";

// The registration's default value, or nothing when the key is absent.
std::optional<std::string> Registration() {
    TRegistry registry(HKEY_CLASSES_ROOT);
    if (!registry.OpenKey(kContextMenuHandlerKey, false)) {
        return std::nullopt;
    }
    return registry.ReadString("");
}

void PutKey(const std::string& key, const std::string& value) {
    TRegistry registry(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey(key, true));
    registry.WriteString("", value);
}

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct SwitchRow {
    std::string name;
    std::optional<std::string> before;  // the registration's value before; nothing: no key
    bool nestedKeys;                    // sub-keys below the registration before
    bool on;
};

class Switching : public ::testing::TestWithParam<SwitchRow> {
protected:
    ScopedSettingsFolders folders;
};

TEST_P(Switching, StoresTheChoiceAndAddsOrRemovesOnlyTheRegistration) {
    const SwitchRow& row = GetParam();
    PutKey("*\\shellex\\ContextMenuHandlers\\Other", "{other}");
    if (row.before) {
        PutKey(kContextMenuHandlerKey, *row.before);
    }
    if (row.nestedKeys) {
        PutKey(std::string(kContextMenuHandlerKey) + "\\a\\b\\c", "deep");
    }
    SwitchContextMenu(row.on, kProgram, 5000);

    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), row.on ? "Yes" : "No");
    EXPECT_EQ(ContextMenuChosen(), row.on);
    EXPECT_EQ(Registration(),
              row.on ? std::optional<std::string>(kContextMenuHandlerClassId) : std::nullopt);
    TRegistry registry(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey("*\\shellex\\ContextMenuHandlers\\Other", false));
    EXPECT_EQ(registry.ReadString(""), "{other}");
}

INSTANTIATE_TEST_SUITE_P(Settings, Switching,
                         ::testing::Values(SwitchRow{"OnWithoutKey", {}, false, true},
                                           SwitchRow{"OnOverwritesAnotherValue", "{old}", false,
                                                     true},
                                           SwitchRow{"OffWithoutKeyLeavesNone", {}, false, false},
                                           SwitchRow{"OffRemovesTheWholeTree", "{x}", true, false}),
                         RowName());

class ContextMenuTest : public ::testing::Test {
protected:
    fs::path ServiceMenu() const {
        return folders.Root() / "data/kio/servicemenus/lumbrafix-lookup-extension.desktop";
    }
    fs::path NautilusScript(int base) const {
        return folders.Root() / "data/nautilus/scripts" / LoadStr(base + 79);
    }

    ScopedSettingsFolders folders;
};

TEST(ContextMenuClassId, HasTheRegistryForm) {
    const std::string id = kContextMenuHandlerClassId;
    ASSERT_EQ(id.size(), 38u);
    for (std::size_t i = 0; i < id.size(); ++i) {
        const char c = id[i];
        const bool expected = i == 0    ? c == '{'
                              : i == 37 ? c == '}'
                              : (i == 9 || i == 14 || i == 19 || i == 24)
                                  ? c == '-'
                                  : (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        EXPECT_TRUE(expected) << "character " << i << " of " << id;
    }
}

TEST_F(ContextMenuTest, WithoutMachineRightsTheChoiceIsStoredAndTheRestGoesOnSilently) {
    folders.RefuseMachineFolder();
    EXPECT_NO_THROW(SwitchContextMenu(true, kProgram, 5000));
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "Yes");
    EXPECT_EQ(Registration(), std::nullopt);
    EXPECT_TRUE(fs::exists(ServiceMenu()));
    EXPECT_NO_THROW(SwitchContextMenu(false, kProgram, 5000));
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), "No");
}

TEST_F(ContextMenuTest, EntriesAreWrittenExecutableAndRemovedAgain) {
    SwitchContextMenu(true, kProgram, 1000);
    for (const fs::path& path : {ServiceMenu(), NautilusScript(1000)}) {
        ASSERT_TRUE(fs::exists(path)) << path;
        EXPECT_NE(Contents(path).find(kProgram), std::string::npos) << path;
        EXPECT_NE(fs::status(path).permissions() & fs::perms::owner_exec, fs::perms::none);
    }
    // Switching on in the other language replaces the script of the first.
    SwitchContextMenu(true, kProgram, 5000);
    EXPECT_FALSE(fs::exists(NautilusScript(1000)));
    EXPECT_TRUE(fs::exists(NautilusScript(5000)));

    SwitchContextMenu(false, kProgram, 5000);
    EXPECT_FALSE(fs::exists(ServiceMenu()));
    EXPECT_FALSE(fs::exists(NautilusScript(5000)));
    EXPECT_TRUE(fs::exists(ServiceMenu().parent_path()));
}

TEST_F(ContextMenuTest, AFileOfTheUsersOwnUnderOurNameIsNeitherReplacedNorRemoved) {
    fs::create_directories(ServiceMenu().parent_path());
    std::ofstream(ServiceMenu()) << "[Desktop Entry]\nName=mine\n";
    SwitchContextMenu(true, kProgram, 5000);
    EXPECT_EQ(Contents(ServiceMenu()), "[Desktop Entry]\nName=mine\n");
    SwitchContextMenu(false, kProgram, 5000);
    EXPECT_EQ(Contents(ServiceMenu()), "[Desktop Entry]\nName=mine\n");
}

struct QuotingRow {
    std::string name;
    std::string program;
    std::string execLine;
    std::string scriptLine;
};

class EntryQuoting : public ::testing::TestWithParam<QuotingRow> {};

TEST_P(EntryQuoting, StartsTheProgramWithTheFileAsOneArgument) {
    const QuotingRow& row = GetParam();
    const std::vector<TFileManagerEntry> entries = FileManagerEntries(row.program, 5000);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[0].contents.find("\n" + row.execLine + "\n"), std::string::npos)
        << entries[0].contents;
    EXPECT_NE(entries[1].contents.find("\n" + row.scriptLine + "\n"), std::string::npos)
        << entries[1].contents;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EntryQuoting,
    ::testing::Values(QuotingRow{"Plain", "/usr/bin/lumbrafix", R"(Exec="/usr/bin/lumbrafix" %f)",
                                 R"(exec '/usr/bin/lumbrafix' "$1")"},
                      QuotingRow{"Blanks", "/opt/my tools/lumbrafix",
                                 R"(Exec="/opt/my tools/lumbrafix" %f)",
                                 R"(exec '/opt/my tools/lumbrafix' "$1")"},
                      QuotingRow{"QuotesAndDollar", R"(/o"p$t/it's/x)",
                                 R"(Exec="/o\\"p\\$t/it's/x" %f)",
                                 R"(exec '/o"p$t/it'\''s/x' "$1")"},
                      QuotingRow{"PercentAndBackslash", R"(/100%\x)", R"(Exec="/100%%\\\\x" %f)",
                                 R"(exec '/100%\x' "$1")"}),
    RowName());

}  // namespace
