// The start-up load of the database file, as the window takes it.
//
// Faults: a missing file or a folder taken for an empty database; bytes that decipher to no
// database handed on as lines; the lines of a sound file lost; an error swallowed on the
// load's thread instead of reaching the one that waits for it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "db/DatabaseLoad.h"

namespace {

class DatabaseLoad : public ::testing::Test {
protected:
    DatabaseLoad() { std::filesystem::create_directories(folder_); }
    ~DatabaseLoad() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path Write(const std::string& bytes) const {
        std::ofstream(File(), std::ios::binary) << bytes;
        return File();
    }
    std::filesystem::path File() const { return folder_ / "marbelin_ext.txt"; }

private:
    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("lumbrafix load " + std::to_string(::getpid()));
};

}  // namespace

TEST_F(DatabaseLoad, NoRegularFileIsNothingToLoad) {
    EXPECT_FALSE(LoadDatabaseFile(File()).has_value());
    std::filesystem::create_directory(File());
    EXPECT_FALSE(StartDatabaseLoad(File()).get().has_value());
}

TEST_F(DatabaseLoad, SoundFileGivesItsLinesAndOtherBytesNone) {
    const CipherKey16 key = BuildDatabaseKey();
    const std::optional<TStringList> sound =
        StartDatabaseLoad(Write(Encipher(".doc;Word;Word;Win\r\n.pdf;PDF;Reader;Win\r\n", key)))
            .get();
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->size(), 2u);
    const std::optional<TStringList> page = LoadDatabaseFile(Write(Encipher("<html>\n", key)));
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(page->empty());
}

TEST_F(DatabaseLoad, ErrorOfTheLoadReachesTheWaiter) {
    std::future<std::optional<TStringList>> load = StartDatabaseLoad(Write("cut"));
    EXPECT_ANY_THROW(load.get());
}
