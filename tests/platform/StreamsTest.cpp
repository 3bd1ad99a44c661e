#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Exceptions.h"
#include "platform/Streams.h"

TEST(ErrorBoxText, AddsFullStopOnlyAfterCharactersAboveDot) {
    EXPECT_EQ(ErrorBoxText("Invalid file format"), "Invalid file format.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");     // '!' sorts below '.'
    EXPECT_EQ(ErrorBoxText("path/"), "path/.");    // '/' sorts above '.'
    EXPECT_EQ(ErrorBoxText("gr\xFC"), "gr\xFC.");  // ANSI letters count as above
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(MemoryStream, SetSizeAheadKeepsPositionAndCapacity) {
    TMemoryStream stream;
    stream.SetSize(100);
    EXPECT_EQ(stream.Position(), 0);
    const auto capacity = stream.Capacity();
    std::uint8_t bytes[100] = {};
    stream.WriteBuffer(bytes, sizeof bytes);
    EXPECT_EQ(stream.Capacity(), capacity);
    EXPECT_EQ(stream.Size(), 100);
}

TEST(MemoryStream, ShrinkingMovesPositionToNewEnd) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    stream.SetSize(3);
    EXPECT_EQ(stream.Position(), 3);
    char c;
    EXPECT_EQ(stream.Read(&c, 1), 0u);
}

TEST(MemoryStream, ReadBufferRaisesOnShortRead) {
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.SetPosition(0);
    char buffer[3];
    EXPECT_THROW(stream.ReadBuffer(buffer, 3), EReadError);
}

class FileStreamTest : public ::testing::Test {
protected:
    std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                                 ("lumbrafix-streams-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir_); }
    void TearDown() override { std::filesystem::remove_all(dir_); }
};

TEST_F(FileStreamTest, MissingFileNamesFileAndReason) {
    const std::string name = (dir_ / "none.txt").string();
    try {
        TFileStream stream(name, TFileMode::fmOpenReadExclusive);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Datei " + name +
                                   " kann nicht ge\xF6"
                                   "ffnet werden. " +
                                   SystemErrorText(ENOENT));
    }
}

TEST_F(FileStreamTest, FolderCannotBeOpenedAsFile) {
    EXPECT_THROW(TFileStream(dir_.string(), TFileMode::fmOpenReadExclusive), EFOpenError);
}

TEST_F(FileStreamTest, SecondExclusiveOpenIsRefusedWhileFirstIsOpen) {
    const std::string name = (dir_ / "db.txt").string();
    { TFileStream(name, TFileMode::fmCreate).WriteBuffer("12345678", 8); }
    TFileStream first(name, TFileMode::fmOpenReadExclusive);
    EXPECT_EQ(first.Size(), 8);
    EXPECT_THROW(TFileStream(name, TFileMode::fmOpenReadExclusive), EFOpenError);
}
