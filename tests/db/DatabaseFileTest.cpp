// Which database file is read and where an update goes, for an installed program (folder not
// writable) and a portable one.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "db/DatabaseFile.h"
#include "support/RowName.h"
#include "support/ScopedSettingsFolders.h"

namespace {

using Clock = std::filesystem::file_time_type;

struct ReadRow {
    std::string name;
    int installedAge;  // seconds before now; -1: no file
    int ownAge;        // -1: no file, -2: a folder in its place
    bool readsOwn;
};

class DatabaseFileTest : public testing::TestWithParam<ReadRow> {
protected:
    void Place(const std::filesystem::path& path, int age) {
        std::filesystem::create_directories(path.parent_path());
        if (age == -2) {
            std::filesystem::create_directories(path);
        } else if (age >= 0) {
            std::ofstream(path) << "x";
            std::filesystem::last_write_time(path, now_ - std::chrono::seconds(age));
        }
    }
    std::filesystem::path ProgramFolder() const { return settings.Root() / "program"; }

    ScopedSettingsFolders settings;
    const Clock now_ = Clock::clock::now();
};

}  // namespace

TEST_P(DatabaseFileTest, ReadsTheNewerFile) {
    Place(DatabaseFileIn(ProgramFolder()), GetParam().installedAge);
    Place(DatabaseFileIn(UserDatabaseFolder()), GetParam().ownAge);
    EXPECT_EQ(DatabaseFileToRead(ProgramFolder()),
              DatabaseFileIn(GetParam().readsOwn ? UserDatabaseFolder() : ProgramFolder()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DatabaseFileTest,
    testing::Values(ReadRow{"OwnNewer", 100, 10, true}, ReadRow{"OwnOlder", 10, 100, false},
                    ReadRow{"SameTime", 10, 10, false}, ReadRow{"OnlyOwn", -1, 10, true},
                    ReadRow{"OnlyInstalled", 10, -1, false}, ReadRow{"Neither", -1, -1, false},
                    ReadRow{"FolderInPlaceOfOwn", 100, -2, false}),
    RowName());

TEST(DatabaseFolderToWrite, ProgramFolderWhenWritableElseTheUsersCreatedAsNeeded) {
    ScopedSettingsFolders settings;
    const std::filesystem::path program = settings.Root() / "program";
    std::filesystem::create_directories(program);
    EXPECT_EQ(DatabaseFolderToWrite(program), program);
    EXPECT_FALSE(std::filesystem::exists(UserDatabaseFolder()));
    // Not even the superuser may create files in /sys.
    EXPECT_EQ(DatabaseFolderToWrite("/sys/"), UserDatabaseFolder());
    EXPECT_TRUE(std::filesystem::is_directory(UserDatabaseFolder()));
    ::setenv("XDG_DATA_HOME", "/sys/lumbrafix-test", 1);
    EXPECT_EQ(DatabaseFolderToWrite("/sys/"), std::nullopt);
}

TEST(ShownFolder, EndsInOneSlash) {
    EXPECT_EQ(ShownFolder("/opt/lumbrafix"), "/opt/lumbrafix/");
    EXPECT_EQ(ShownFolder("/opt/lumbrafix/"), "/opt/lumbrafix/");
}
