// What the user is told at start-up when the database cannot be used.

#include <QLabel>
#include <filesystem>

#include "MainWindowFixture.h"
#include "platform/AnsiQt.h"
#include "platform/Streams.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

std::string CountLine(const TLumbrafixForm& form, std::size_t count) {
    return LoadStr(form.LanguageBase + txCountBefore) + " " + std::to_string(count) + " " +
           LoadStr(form.LanguageBase + txCountAfter);
}

}  // namespace

TEST_F(MainWindowTest, LoadsEveryLineAndShowsTheCount) {
    WriteDatabase(".doc;Word;Word;Win\r\n\r\n.txt;Text;Editor;Unix\r\n.txt;Text;Editor;Unix");
    TLumbrafixForm& window = OpenWindow();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.ExtensionList.size(), 4u);
    EXPECT_EQ(FromQString(window.lbxCountInfo->text()), CountLine(window, 4));
}

TEST_F(MainWindowTest, MissingFileNamesTheFolderBetweenSingleSpaces) {
    TLumbrafixForm& window = OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "plain");
    EXPECT_EQ(boxes.shown[0].text, LoadStr(window.LanguageBase + txMissingBefore) + " " + Folder() +
                                       " " + LoadStr(window.LanguageBase + txMissingAfter));
    EXPECT_NE(Folder().find(' '), std::string::npos);  // the folder's own spaces stay
    EXPECT_EQ(FromQString(window.lbxCountInfo->text()), CountLine(window, 0));
}

TEST_F(MainWindowTest, FolderOfTheDatabaseNameCountsAsMissing) {
    std::filesystem::create_directory(DatabasePath());
    OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "plain");
}

TEST_F(MainWindowTest, FilesShorterThanOneBlockAreReportedAsInvalidFormat) {
    for (const std::string& bytes : {std::string(), std::string("1234567")}) {
        boxes.shown.clear();
        WriteRawDatabase(bytes);
        TLumbrafixForm& window = OpenWindow();
        ASSERT_EQ(boxes.shown.size(), 1u) << bytes.size();
        EXPECT_EQ(boxes.shown[0].kind, "errorbox");
        EXPECT_EQ(boxes.shown[0].text, "Invalid file format.");
        EXPECT_TRUE(window.ExtensionList.empty());
    }
}

TEST_F(MainWindowTest, FileWithoutAnyLineIsReportedAsDefectOrEmpty) {
    WriteDatabase("");
    TLumbrafixForm& window = OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "plain");
    EXPECT_EQ(boxes.shown[0].text, LoadStr(window.LanguageBase + txDefectOrEmpty));
}

TEST_F(MainWindowTest, TextFromAZeroByteOnIsLost) {
    WriteDatabase(std::string("a;b;c;d\r\n\0e;f;g;h\r\n", 19));
    EXPECT_EQ(OpenWindow().ExtensionList, TStringList{"a;b;c;d"});
}

TEST_F(MainWindowTest, FileHeldByAnotherReaderIsReportedWithItsName) {
    WriteDatabase(".doc;Word;Word;Win");
    TFileStream holder(DatabasePath().string(), TFileMode::fmOpenReadExclusive);
    TLumbrafixForm& window = OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "errorbox");
    EXPECT_EQ(boxes.shown[0].text.rfind("Datei " + DatabasePath().string() +
                                            " kann nicht ge\xF6"
                                            "ffnet werden. ",
                                        0),
              0u);
    EXPECT_TRUE(window.ExtensionList.empty());
}
