#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"

namespace fs = std::filesystem;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    TRegistry OpenedKey(HKEY root = HKEY_CURRENT_USER) {
        TRegistry registry(root);
        EXPECT_TRUE(registry.OpenKey("Software\\Lumbrafix", true));
        return registry;
    }
    fs::path KeyFolder() const { return RootFolder(HKEY_CURRENT_USER) / "Software/Lumbrafix"; }

    ScopedSettingsFolders folders;
};

struct HostileName {
    std::string name;
    std::string key;
    std::string value;
};

class HostileNames : public RegistryTest, public ::testing::WithParamInterface<HostileName> {};

TEST_P(HostileNames, StayInsideTheirRootAndApartFromTheirNeighbours) {
    const HostileName& row = GetParam();
    TRegistry registry(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey(row.key, true));
    // Neighbours that differ in a byte the encoding touches keep values of their own.
    for (const std::string& name : {row.value, row.value + "%", "%2E" + row.value}) {
        registry.WriteString(name, "is " + name);
    }
    for (const std::string& name : {row.value, row.value + "%", "%2E" + row.value}) {
        EXPECT_EQ(registry.ReadString(name), "is " + name);
    }
    const std::string root = RootFolder(HKEY_CLASSES_ROOT).string();
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folders.Root())) {
        const std::string path = entry.path().string();
        EXPECT_TRUE(path.rfind(root, 0) == 0 || root.rfind(path, 0) == 0) << path;
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 3);
}

INSTANTIATE_TEST_SUITE_P(Registry, HostileNames,
                         ::testing::Values(HostileName{"AllFiles", "*\\shellex\\Lumbrafix", ""},
                                           HostileName{"DotDot", "..\\..\\..\\up", ".."},
                                           HostileName{"Slashes", "a/b", "../../x"},
                                           HostileName{"Backslash", "k", "a\\b"},
                                           HostileName{"ControlBytes", "a\x01\x7F", "\n\t"},
                                           HostileName{"AnsiAndPercent", "Gr\xFC%2A", "%2A"},
                                           HostileName{"AtSigns", "@Key", "@"}),
                         RowName());

struct ValueFileRow {
    std::string name;
    std::string contents;
    std::string read;
};

class ValueFiles : public RegistryTest, public ::testing::WithParamInterface<ValueFileRow> {};

TEST_P(ValueFiles, ReadAsTextUpToTheNulAndDamagedOnesAsMissing) {
    TRegistry registry = OpenedKey();
    std::ofstream(KeyFolder() / "@Value", std::ios::binary) << GetParam().contents;
    EXPECT_EQ(registry.ReadString("Value"), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, ValueFiles,
    ::testing::Values(ValueFileRow{"Text", std::string("REG_SZ 4\nYes\0\n", 14), "Yes"},
                      ValueFileRow{"CutAtNul", std::string("REG_SZ 6\nYe\0abc\n", 16), "Ye"},
                      ValueFileRow{"ExpandableKept", "REG_EXPAND_SZ 6\n%HOME%\n", "%HOME%"},
                      ValueFileRow{"Empty", "", ""},
                      ValueFileRow{"UnknownType", "REG_TEXT 3\nYes\n", ""},
                      ValueFileRow{"Truncated", "REG_SZ 4\nYe", ""},
                      ValueFileRow{"LongerThanHeader", "REG_SZ 2\nYes\n", ""},
                      ValueFileRow{"NoClosingLineFeed", "REG_SZ 3\nYes", ""},
                      ValueFileRow{"LengthNotANumber", "REG_SZ -3\nYes\n", ""},
                      ValueFileRow{"Binary", std::string("\x89PNG\r\n\x1A\n\0", 9), ""}),
    RowName());

TEST_F(RegistryTest, ValueOfAnotherTypeRaisesTheDataTypeError) {
    TRegistry registry = OpenedKey();
    std::ofstream(KeyFolder() / "@Language", std::ios::binary)
        << std::string("REG_DWORD 4\n\x07\0\0\0\n", 17);
    try {
        registry.ReadString("Language");
        ADD_FAILURE() << "no error raised";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Ung\xFCltiger Datentyp f\xFCr 'Language'");
    }
}

TEST_F(RegistryTest, FailedWriteRaisesTheSetDataErrorAndLeavesNothingBehind) {
    TRegistry registry = OpenedKey();
    fs::create_directory(KeyFolder() / "@Blocked");  // the rename cannot replace a folder
    try {
        registry.WriteString("Blocked", "new");
        ADD_FAILURE() << "no error raised";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Fehler beim Setzen der Daten f\xFCr 'Blocked'");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(KeyFolder()), fs::directory_iterator()), 1);
}

TEST_F(RegistryTest, AKeyThatLinksElsewhereIsNotOpenedEvenForReading) {
    fs::create_directories(folders.Root() / "elsewhere");
    fs::create_directories(KeyFolder().parent_path());
    fs::create_directory_symlink(folders.Root() / "elsewhere", KeyFolder());
    TRegistry registry(HKEY_CURRENT_USER);
    EXPECT_FALSE(registry.OpenKey("Software\\Lumbrafix", true));
    EXPECT_FALSE(registry.OpenKeyReadOnly("Software\\Lumbrafix"));
}

TEST_F(RegistryTest, KeyBehindALinkedFolderAndTheRootAreRefused) {
    const fs::path elsewhere = RootFolder(HKEY_CURRENT_USER) / "elsewhere";
    fs::create_directories(elsewhere / "Lumbrafix");
    fs::create_directory_symlink(elsewhere, RootFolder(HKEY_CURRENT_USER) / "Software");
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey("Software\\Lumbrafix", true));
    EXPECT_FALSE(registry.OpenKey("Software\\Other", true));
    EXPECT_FALSE(fs::exists(elsewhere / "Other"));
    EXPECT_FALSE(registry.DeleteKey("Software\\Lumbrafix"));
    EXPECT_TRUE(fs::exists(elsewhere / "Lumbrafix"));
    EXPECT_FALSE(registry.DeleteKey("\\"));
    EXPECT_TRUE(fs::exists(elsewhere));
}

TEST_F(RegistryTest, UnreachableMachineFolderRefusesEveryKey) {
    folders.RefuseMachineFolder();
    TRegistry registry(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.OpenKey("Software\\Lumbrafix", true));
    EXPECT_FALSE(registry.DeleteKey("Software"));
    EXPECT_THROW(registry.WriteString("Language", "German"), ERegistryException);
}

}  // namespace
