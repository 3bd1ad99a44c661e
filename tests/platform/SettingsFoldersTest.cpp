#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/SettingsFolders.h"
#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"

namespace {

struct FolderRow {
    std::string name;
    const char* home;  // nullptr: not set
    const char* dataHome;
    std::string data;  // "~" stands for the account's home folder
};

void SetOrUnset(const char* variable, const char* value) {
    value != nullptr ? ::setenv(variable, value, 1) : ::unsetenv(variable);
}

}  // namespace

class UserDataFolderFrom : public testing::TestWithParam<FolderRow> {};

// Relative values are ignored, as the XDG rules ask; without a usable HOME the account's home
// folder counts.
TEST_P(UserDataFolderFrom, HomeAndXdgDataHome) {
    const ScopedSettingsFolders restoresTheTestFolders;
    const char* const original = std::getenv("HOME");
    const std::string home = original != nullptr ? original : "";
    SetOrUnset("HOME", GetParam().home);
    SetOrUnset("XDG_DATA_HOME", GetParam().dataHome);
    std::string expected = GetParam().data;
    if (expected.starts_with("~")) {
        expected = ::getpwuid(::getuid())->pw_dir + expected.substr(1);
    }
    EXPECT_EQ(UserDataFolder(), expected);
    SetOrUnset("HOME", original != nullptr ? home.c_str() : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Settings, UserDataFolderFrom,
                         testing::Values(FolderRow{"AbsoluteXdg", "/h", "/x", "/x"},
                                         FolderRow{"NoXdg", "/h", nullptr, "/h/.local/share"},
                                         FolderRow{"RelativeXdg", "/h", "x", "/h/.local/share"},
                                         FolderRow{"RelativeHome", "h", nullptr, "~/.local/share"},
                                         FolderRow{"EmptyHome", "", nullptr, "~/.local/share"},
                                         FolderRow{"NoHome", nullptr, nullptr, "~/.local/share"}),
                         RowName());

TEST(MachineSettingsFolder, OnlyAnAbsoluteChoiceCounts) {
    const ScopedSettingsFolders restoresTheTestFolders;
    ::setenv("LUMBRAFIX_MACHINE_DIR", "/chosen", 1);
    EXPECT_EQ(MachineSettingsFolder(), "/chosen");
    ::setenv("LUMBRAFIX_MACHINE_DIR", "chosen", 1);
    EXPECT_EQ(MachineSettingsFolder().filename(), "machine");  // the build tree's, for a test
}
