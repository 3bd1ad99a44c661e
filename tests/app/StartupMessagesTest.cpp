// What the user is told at start-up when the database cannot be used.

#include <sys/resource.h>
#include <QLabel>

#include <algorithm>
#include <filesystem>

#include "MainWindowFixture.h"
#include "platform/Streams.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/ApplicationTitle.h"
#include "support/LineLists.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

std::string CountLine(const TLumbrafixForm& form, std::size_t count) {
    return LoadStr(form.LanguageBase + txCountBefore) + " " + std::to_string(count) + " " +
           LoadStr(form.LanguageBase + txCountAfter);
}

}  // namespace

// The database read at start-up, and what the user is told when it cannot be.
class DatabaseAtStart : public MainWindowFixture {};

TEST_F(DatabaseAtStart, LoadsEveryLineAndShowsTheCount) {
    WriteDatabase(".doc;Word;Word;Win\r\n\r\n.txt;Text;Editor;Unix\r\n.txt;Text;Editor;Unix");
    TLumbrafixForm& window = OpenWindow();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.ExtensionList.size(), 4u);
    EXPECT_EQ(FromQString(window.lbxCountInfo->text()), CountLine(window, 4));
    EXPECT_EQ(window.lbxANDOR->text(), QStringLiteral("OR"));  // the linking before any search
    // Message boxes from now on name the program as its window does.
    EXPECT_EQ(ApplicationTitle(), LoadStr(window.LanguageBase + txTitle));
}

TEST_F(DatabaseAtStart, MissingFileNamesTheFolderBetweenSingleSpaces) {
    TLumbrafixForm& window = OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "plain");
    EXPECT_EQ(boxes.shown[0].text, LoadStr(window.LanguageBase + txMissingBefore) + " " + Folder() +
                                       " " + LoadStr(window.LanguageBase + txMissingAfter));
    EXPECT_NE(Folder().find(' '), std::string::npos);  // the folder's own spaces stay
    EXPECT_EQ(FromQString(window.lbxCountInfo->text()), CountLine(window, 0));
}

TEST_F(DatabaseAtStart, FolderOfTheDatabaseNameCountsAsMissing) {
    std::filesystem::create_directory(DatabasePath());
    OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "plain");
}

TEST_F(DatabaseAtStart, FilesShorterThanOneBlockAreReportedAsInvalidFormat) {
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

TEST_F(DatabaseAtStart, FileWithoutAnyLineIsReportedAsDefectOrEmpty) {
    WriteDatabase("");
    TLumbrafixForm& window = OpenWindow();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "plain");
    EXPECT_EQ(boxes.shown[0].text, LoadStr(window.LanguageBase + txDefectOrEmpty));
}

TEST_F(DatabaseAtStart, TextFromAZeroByteOnIsLost) {
    WriteDatabase(std::string("a;b;c;d\r\n\0e;f;g;h\r\n", 19));
    EXPECT_EQ(Lines(OpenWindow().ExtensionList), TLines{"a;b;c;d"});
}

TEST_F(DatabaseAtStart, FileHeldByAnotherReaderIsReportedWithItsName) {
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

TEST_F(DatabaseAtStart, OutOfMemoryOnAHugeSparseFileIsShownAndTheWindowOpensEmpty) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer ends the program on an allocation it cannot make";
#endif
    WriteDatabase(".doc;Word;Word;Win");
    std::error_code error;
    std::filesystem::resize_file(DatabasePath(), std::uintmax_t{15} << 40, error);  // 15 TiB
    if (error) {
        GTEST_SKIP() << "no sparse file of 15 TiB here: " << error.message();
    }
    // However generously the system promises memory, 15 TiB do not fit under this limit.
    rlimit before{};
    ::getrlimit(RLIMIT_AS, &before);
    rlimit limited = before;
    limited.rlim_cur = std::min<rlim_t>(before.rlim_cur, rlim_t{64} << 30);
    ::setrlimit(RLIMIT_AS, &limited);
    TLumbrafixForm& window = OpenWindow();
    ::setrlimit(RLIMIT_AS, &before);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "errorbox");
    EXPECT_EQ(boxes.shown[0].text, "Zu wenig Arbeitsspeicher.");
    EXPECT_TRUE(window.ExtensionList.empty());
    EXPECT_EQ(FromQString(window.lbxCountInfo->text()), CountLine(window, 0));
}
