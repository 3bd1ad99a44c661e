#include "settings/ContextMenu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/Registry.h"
#include "settings/Settings.h"
#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"
#include "text/TextTable.h"

namespace fs = std::filesystem;

namespace {

// A program path with every character the two entry formats must quote.
constexpr const char* kProgram = R"(/opt/my "tools"/it's $x 100%\lumbrafix)";

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
    const std::pair<fs::path, std::string> entries[] = {
        {ServiceMenu(), R"(Exec="/opt/my \\"tools\\"/it's \\$x 100%%\\\\lumbrafix" %f)"},
        {NautilusScript(1000), R"(exec '/opt/my "tools"/it'\''s $x 100%\lumbrafix' -- "$1")"}};
    for (const auto& [path, startLine] : entries) {
        EXPECT_NE(Contents(path).find("\n" + startLine + "\n"), std::string::npos) << path;
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

TEST_F(ContextMenuTest, EntriesOutliveTheProgramHarmlessly) {
    const fs::path program = folders.Root() / "bin\nx/lumbrafix";
    fs::create_directories(program.parent_path());
    // Stands in for the program: shows the arguments it gets, one per line.
    std::ofstream(program) << "#!/bin/sh\nprintf '%s\\n' \"$@\"\n";
    fs::permissions(program, fs::perms::owner_all);
    SwitchContextMenu(true, program.string(), 5000);
    const std::string menu = Contents(ServiceMenu());
    EXPECT_NE(menu.find("\nTryExec=" + folders.Root().string() + "/bin\\nx/lumbrafix\n"),
              std::string::npos);
    EXPECT_NE(menu.find("\\nx/lumbrafix\" %f\n"), std::string::npos);
    const std::string run = "cd '" + folders.Root().string() + "' && sh '" +
                            NautilusScript(5000).string() + "' -reverse b > out 2>&1";
    EXPECT_EQ(std::system(run.c_str()), 0);
    EXPECT_EQ(Contents(folders.Root() / "out"), "--\n-reverse\n");
    fs::remove(program);
    EXPECT_NE(std::system(run.c_str()), 0);
    EXPECT_NE(Contents(folders.Root() / "out").find("no longer installed"), std::string::npos);
}

TEST_F(ContextMenuTest, AFileOfTheUsersOwnUnderOurNameIsNeitherReplacedNorRemoved) {
    fs::create_directories(ServiceMenu().parent_path());
    std::ofstream(ServiceMenu()) << "[Desktop Entry]\nName=mine\n";
    SwitchContextMenu(true, kProgram, 5000);
    EXPECT_EQ(Contents(ServiceMenu()), "[Desktop Entry]\nName=mine\n");
    SwitchContextMenu(false, kProgram, 5000);
    EXPECT_EQ(Contents(ServiceMenu()), "[Desktop Entry]\nName=mine\n");
}

}  // namespace
