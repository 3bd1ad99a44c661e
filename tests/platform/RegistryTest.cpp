#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"

namespace fs = std::filesystem;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    // Every file and folder below the settings tree, to see where a write landed.
    static std::vector<fs::path> Everything(const fs::path& root) {
        std::vector<fs::path> paths;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            paths.push_back(entry.path());
        }
        return paths;
    }

    void WriteRaw(const std::string& valueFileName, const std::string& contents) {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey("Software\\Lumbrafix", true));
        std::ofstream(RootFolder(HKEY_CURRENT_USER) / "Software" / "Lumbrafix" / valueFileName,
                      std::ios::binary)
            << contents;
    }

    std::string Read(const std::string& name) {
        TRegistry registry;
        EXPECT_TRUE(registry.OpenKey("Software\\Lumbrafix", false));
        return registry.ReadString(name);
    }

    ScopedSettingsFolders folders;
};

struct HostileName {
    std::string name;
    std::string key;
    std::string value;
};

class HostileNames : public RegistryTest, public ::testing::WithParamInterface<HostileName> {};

TEST_P(HostileNames, StayInsideTheirRootAndKeepTheirValue) {
    const HostileName& row = GetParam();
    TRegistry registry(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey(row.key, true));
    registry.WriteString(row.value, "data of " + row.value);
    // A neighbour whose name differs only in a byte the encoding touches keeps its own value.
    registry.WriteString(row.value + "x", "neighbour");
    registry.CloseKey();

    ASSERT_TRUE(registry.OpenKey(row.key, false));
    EXPECT_EQ(registry.ReadString(row.value), "data of " + row.value);
    EXPECT_EQ(registry.ReadString(row.value + "x"), "neighbour");
    // Both value files lie below the root; nothing else was created anywhere in the tree.
    std::size_t files = 0;
    const std::string root = RootFolder(HKEY_CLASSES_ROOT).string();
    for (const fs::path& path : Everything(folders.Root())) {
        const std::string text = path.string();
        EXPECT_TRUE(text.rfind(root, 0) == 0 || root.rfind(text, 0) == 0) << text;
        files += fs::is_regular_file(path) ? 1 : 0;
    }
    EXPECT_EQ(files, 2u);
}

INSTANTIATE_TEST_SUITE_P(Registry, HostileNames,
                         ::testing::Values(HostileName{"AllFilesClass",
                                                       "*\\shellex\\Handlers\\Lumbrafix", ""},
                                           HostileName{"DotDotKey", "..\\..\\..\\escaped", "v"},
                                           HostileName{"DotKey", ".\\.", "."},
                                           HostileName{"SlashesInValue", "Software", "../../../x"},
                                           HostileName{"BackslashInValue", "Software", "a\\b"},
                                           HostileName{"ControlBytes", "a\x01\x1F\x7F", "\n\t"},
                                           HostileName{"AnsiAndPercent", "Gr\xFC\xDF%2A", "%2A"},
                                           HostileName{"AtSignKey", "@Key", "Key"}),
                         RowName());

TEST_F(RegistryTest, DistinctNamesThatEncodeAlikeStayApart) {
    TRegistry registry(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey("k", true));
    const std::string names[] = {"*", "%2A", "", "@", ".x", "%2Ex"};
    for (const std::string& name : names) {
        registry.WriteString(name, "is " + name);
    }
    for (const std::string& name : names) {
        EXPECT_EQ(registry.ReadString(name), "is " + name) << name;
    }
}

struct DamagedFile {
    std::string name;
    std::string contents;
};

class DamagedValueFiles : public RegistryTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedValueFiles, ReadAsMissing) {
    WriteRaw("@Value", GetParam().contents);
    EXPECT_EQ(Read("Value"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Registry, DamagedValueFiles,
    ::testing::Values(DamagedFile{"Empty", ""}, DamagedFile{"UnknownType", "REG_TEXT 4\nYes\0\n"},
                      DamagedFile{"Truncated", std::string("REG_SZ 4\nYe")},
                      DamagedFile{"LongerThanHeader", "REG_SZ 2\nYes\n"},
                      DamagedFile{"NoLineFeedAtEnd", "REG_SZ 3\nYes"},
                      DamagedFile{"LengthNotANumber", "REG_SZ x3\nYes\n"},
                      DamagedFile{"NegativeLength", "REG_SZ -3\nYes\n"},
                      DamagedFile{"NoHeader", "Yes"},
                      DamagedFile{"Binary", std::string("\x89PNG\r\n\x1A\n\0\0", 10)}),
    RowName());

TEST_F(RegistryTest, TextReadStopsAtTheFirstNulAndKeepsExpandableValuesUnexpanded) {
    WriteRaw("@a", std::string("REG_SZ 7\nYes\0abc\n", 17));
    WriteRaw("@b", "REG_EXPAND_SZ 6\n%HOME%\n");
    EXPECT_EQ(Read("a"), "Yes");
    EXPECT_EQ(Read("b"), "%HOME%");
}

TEST_F(RegistryTest, ValueOfAnotherTypeRaisesTheDataTypeError) {
    WriteRaw("@Language", std::string("REG_DWORD 4\n\x07\0\0\0\n", 17));
    try {
        Read("Language");
        FAIL() << "no error raised";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Ung\xFCltiger Datentyp f\xFCr 'Language'");
    }
}

TEST_F(RegistryTest, FailedWriteRaisesTheSetDataErrorAndKeepsTheOldValue) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Lumbrafix", true));
    registry.WriteString("Kept", "old");
    // A folder in the place of the value file cannot be replaced by the rename.
    fs::create_directory(RootFolder(HKEY_CURRENT_USER) / "Software" / "Lumbrafix" / "@Blocked");
    try {
        registry.WriteString("Blocked", "new");
        FAIL() << "no error raised";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Fehler beim Setzen der Daten f\xFCr 'Blocked'");
    }
    EXPECT_EQ(registry.ReadString("Kept"), "old");
    // No temporary file is left behind.
    EXPECT_EQ(Everything(RootFolder(HKEY_CURRENT_USER) / "Software" / "Lumbrafix").size(), 2u);
}

TEST_F(RegistryTest, ReadingNeverCreatesAKey) {
    TRegistry registry(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.OpenKey("Software\\Lumbrafix", false));
    EXPECT_FALSE(fs::exists(RootFolder(HKEY_LOCAL_MACHINE)));
}

TEST_F(RegistryTest, UnreachableMachineFolderRefusesEveryKey) {
    folders.RefuseMachineFolder();
    TRegistry registry(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.OpenKey("Software\\Lumbrafix", true));
    EXPECT_FALSE(registry.DeleteKey("Software"));
    EXPECT_THROW(registry.WriteString("Language", "German"), ERegistryException);
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTreeAndNothingBeside) {
    TRegistry registry(HKEY_CLASSES_ROOT);
    for (const char* key :
         {"*\\shellex\\Handlers\\Lumbrafix\\a\\b", "*\\shellex\\Handlers\\Other"}) {
        ASSERT_TRUE(registry.OpenKey(key, true));
        registry.WriteString("", key);
    }
    EXPECT_TRUE(registry.DeleteKey("*\\shellex\\Handlers\\Lumbrafix"));
    EXPECT_FALSE(registry.OpenKey("*\\shellex\\Handlers\\Lumbrafix", false));
    ASSERT_TRUE(registry.OpenKey("*\\shellex\\Handlers\\Other", false));
    EXPECT_EQ(registry.ReadString(""), "*\\shellex\\Handlers\\Other");
    EXPECT_FALSE(registry.DeleteKey("*\\shellex\\Handlers\\Lumbrafix"));
    EXPECT_FALSE(registry.DeleteKey("\\"));
}

}  // namespace
