// Faults to catch: a web page or a shifted file taken for a database; an empty or record-less
// text taken for one; a cut file accepted; a good file refused; the line count wrong; the
// start-up's check of the lines it loaded judging a file otherwise than the check of its bytes.

#include <gtest/gtest.h>

#include "CipherTestSupport.h"
#include "db/DatabaseCheck.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"
#include "support/RowName.h"

namespace {

const CipherKey16 kKey = BuildDatabaseKey();
const std::string kGood = Encipher(".a;A;Ap;Win\r\n\r\n.b;B;Bp;Mac", kKey);

// A page that happens to end in a block whose deciphered count is 7, as 1 body in 256 does.
const std::string kHtmlPage = "<html><head><title>Login</title></head><body><form>Users:</form>" +
                              EncipheredBlock({0x3C, 0x2F, 0x62, 0x6F, 0x64, 0x79, 0x3E, 7}, kKey);

struct CheckRow {
    const char* name;
    std::string bytes;
    bool loadable;
    std::size_t lines;
};

class DatabaseCheckRows : public testing::TestWithParam<CheckRow> {};

TEST_P(DatabaseCheckRows, TellsLoadableFilesAndWhyOthersAreNot) {
    const DatabaseVerdict verdict = CheckDatabase(GetParam().bytes, kKey);
    EXPECT_EQ(verdict.loadable, GetParam().loadable);
    EXPECT_EQ(verdict.lines, GetParam().lines);
    EXPECT_EQ(verdict.reason.empty(), GetParam().loadable) << verdict.reason;
}

TEST_P(DatabaseCheckRows, TheLoadedLinesAreJudgedAsTheBytes) {
    TMemoryStream file = StreamOf(GetParam().bytes);
    DatabaseVerdict verdict;
    try {
        const TStringList lines = ReadExtensionLines(file, kKey);
        verdict = CheckLoadedDatabase(file.Size(), lines);
    } catch (const ECipherException&) {
        verdict.loadable = false;
    }
    EXPECT_EQ(verdict.loadable, GetParam().loadable);
    EXPECT_EQ(verdict.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DatabaseCheckRows,
    testing::Values(
        CheckRow{"RecordsAndAnEmptyLine", kGood, true, 3},
        CheckRow{"OneRecordUpToCountSeven", Encipher(".abcde;A;Ap;Win", kKey), true, 1},
        CheckRow{"SpacesAndTabs", Encipher(".a;A file\tx;Ap;Win", kKey), true, 1},
        CheckRow{"FieldsBehindTheFourth", Encipher(".a;A;Ap;Win;x\n", kKey), true, 1},
        CheckRow{"TextEndsAtAZeroByte", Encipher(std::string(".a;A;Ap;Win\n\0\x01", 14), kKey),
                 true, 1},
        CheckRow{"EmptyFile", "", false, 0}, CheckRow{"StrayByteInFront", "x" + kGood, false, 0},
        CheckRow{"StrayBlockInFront", "12345678" + kGood, false, 0},
        CheckRow{"HtmlPage", kHtmlPage, false, 0},
        CheckRow{"CutAtABlock", kGood.substr(0, 16), false, 0},
        CheckRow{"FinalCountEight", EncipheredBlock({'.', 'a', ';', ';', ';', 'b', 'c', 8}, kKey),
                 false, 0},
        CheckRow{"NoTextAtAll", Encipher("", kKey), false, 0},
        CheckRow{"EmptyLinesOnly", Encipher("\r\n\r\n", kKey), false, 0},
        CheckRow{"ThreeFields", Encipher(".a;A;Win\n", kKey), false, 0},
        CheckRow{"ShortLinesBesideARecord", Encipher(".a;A;Ap;Win\nabc\na;b\n", kKey), true, 3},
        CheckRow{"ControlCharacter", Encipher(".a;A\x01;Ap;Win\n", kKey), false, 0}),
    RowName());

TEST(DatabaseCheck, AFileOfTheLargestSizeIsStillRead) {
    TMemoryStream file = StreamOf(std::string(static_cast<std::size_t>(kMaxDatabaseBytes), '\0'));
    EXPECT_EQ(CheckDatabase(file, kKey).reason.find("larger than"), std::string::npos);
    TMemoryStream larger =
        StreamOf(std::string(static_cast<std::size_t>(kMaxDatabaseBytes) + 8, '\0'));
    EXPECT_NE(CheckDatabase(larger, kKey).reason.find("larger than"), std::string::npos);
}

TEST(DatabaseCheck, ReasonNamesTheFirstBadLine) {
    const DatabaseVerdict verdict = CheckDatabase(Encipher(".a;A;Ap;Win\n\x01\n", kKey), kKey);
    EXPECT_NE(verdict.reason.find("line 2 "), std::string::npos) << verdict.reason;
}

}  // namespace
