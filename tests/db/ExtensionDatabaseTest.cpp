#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"
#include "support/LineLists.h"

TEST(SplitLines, LineEndsAndEdges) {
    struct Case {
        const char* name;
        std::string_view text;
        TLines lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"LF CR begins an empty line", "a\n\rb", {"a", "", "b"}},
        {"CR CR adds an empty line", "a\r\rb", {"a", "", "b"}},
        {"mixed ends", "a\rb\nc\r\nd\n\re", {"a", "b", "c", "d", "", "e"}},
        {"CR only far behind LF", "a\nb\nc\nd\re", {"a", "b", "c", "d", "e"}},
        {"empty lines count", "a\r\n\r\n\r\nb", {"a", "", "", "b"}},
        {"trailing line end adds nothing", "a\r\n", {"a"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"only a line end", "\r\n", {""}},
        {"empty text", "", {}},
        {"fields kept untrimmed", " .doc ;x; \t", {" .doc ;x; \t"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Lines(SplitLines(c.text)), c.lines) << c.name;
    }
}

// Texts long enough for the block-wise scan, line ends at every offset of a block, against the
// rule applied one byte at a time.
TEST(SplitLines, LongRandomTextsFollowTheRule) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int i = static_cast<int>(random() % 200); i > 0; --i) {
            text += "ab;\r\n"[random() % 5];
        }
        TLines expected;
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
            expected.push_back(text.substr(pos, end - pos));
            pos = end + (end < text.size() && text[end] == '\r' ? 1 : 0);
            pos += pos < text.size() && text[pos] == '\n' ? 1 : 0;
        }
        ASSERT_EQ(Lines(SplitLines(text)), expected) << text;
    }
}

TEST(PlainTextOf, EndsAtTheFirstZeroByte) {
    struct Case {
        const char* name;
        std::string_view bytes;
        std::string_view text;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"no zero", "abc"sv, "abc"},   {"zero in the middle", "ab\0cd"sv, "ab"},
        {"zero first", "\0abc"sv, ""}, {"zero last", "abc\0"sv, "abc"},
        {"nothing", ""sv, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlainTextOf(c.bytes), c.text) << c.name;
    }
}

TEST(ReadExtensionLines, RoundTripUnderTheDatabaseKey) {
    const std::string text = ".doc;Word document;Word;Win Mac\r\n\r\n.gz;Archive;gzip;Unix\r\n";
    TMemoryStream file = StreamOf(Encipher(text, BuildDatabaseKey()));
    const TLines expected = {".doc;Word document;Word;Win Mac", "", ".gz;Archive;gzip;Unix"};
    EXPECT_EQ(Lines(ReadExtensionLines(file, BuildDatabaseKey())), expected);
}

TEST(ReadExtensionLines, ReadsFromTheStreamsPosition) {
    TMemoryStream file = StreamOf("skip" + Encipher("a\nb", BuildDatabaseKey()));
    file.SetPosition(4);
    EXPECT_EQ(Lines(ReadExtensionLines(file, BuildDatabaseKey())), (TLines{"a", "b"}));
}

TEST(ReadExtensionLines, ZeroByteCutsTheText) {
    const std::string text("first\r\nsec\0ond\r\nthird", 21);
    TMemoryStream file = StreamOf(Encipher(text, BuildDatabaseKey()));
    EXPECT_EQ(Lines(ReadExtensionLines(file, BuildDatabaseKey())), (TLines{"first", "sec"}));
}

TEST(ReadExtensionLines, SingleBlockWithCountZeroGivesNoLines) {
    TMemoryStream file = StreamOf(Encipher("", BuildDatabaseKey()));
    ASSERT_EQ(file.Size(), 8);
    EXPECT_TRUE(ReadExtensionLines(file, BuildDatabaseKey()).empty());
}

TEST(ReadExtensionLines, IgnoresBytesBehindTheLastWholeBlock) {
    const std::string enciphered = Encipher("one\ntwo\nthree", BuildDatabaseKey());
    TMemoryStream file = StreamOf(enciphered + "xyz");
    EXPECT_EQ(Lines(ReadExtensionLines(file, BuildDatabaseKey())), (TLines{"one", "two", "three"}));
}

TEST(ReadExtensionLines, FileShorterThanOneBlockIsInvalid) {
    TMemoryStream file = StreamOf("1234567");
    EXPECT_THROW(ReadExtensionLines(file, BuildDatabaseKey()), ECipherException);
}

TEST(DatabaseKey, IsStableAndEndsInZero) {
    const CipherKey16 key = BuildDatabaseKey();
    EXPECT_EQ(key, BuildDatabaseKey());
    EXPECT_EQ(key[15], 0);
    EXPECT_NE(key, CipherKey16{});
}

TEST(TStringList, MovingKeepsTheViewsAndClearingEmpties) {
    TStringList lines = SplitLines("a\nb");
    const char* first = lines[0].data();
    TStringList moved(std::move(lines));
    EXPECT_TRUE(lines.empty() && lines.Text().empty());  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(moved[0].data(), first);
    EXPECT_EQ(moved.Text(), "a\nb");
    moved.clear();
    EXPECT_TRUE(moved.empty() && moved.Text().empty());
}
