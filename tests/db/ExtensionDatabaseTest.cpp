#include <gtest/gtest.h>

#include "CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"

TEST(SplitLines, LineEndsAndEdges) {
    struct Case {
        const char* name;
        std::string_view text;
        TStringList lines;
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
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.name;
    }
}

TEST(PlainTextOf, EndsAtTheFirstZeroByteWithinTheLength) {
    struct Case {
        const char* name;
        std::string_view bytes;
        std::size_t length;
        std::string_view text;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"no zero", "abc"sv, 3, "abc"},
        {"zero in the middle", "ab\0cd"sv, 5, "ab"},
        {"zero first", "\0abc"sv, 4, ""},
        {"zero only behind the length", "abc\0"sv, 3, "abc"},
        {"length shorter than buffer", "abcdef"sv, 2, "ab"},
        {"nothing written", "abc"sv, 0, ""},
    };
    for (const Case& c : cases) {
        const TMemoryStream stream = StreamOf(c.bytes);
        EXPECT_EQ(PlainTextOf(stream, c.length), c.text) << c.name;
    }
}

TEST(ReadExtensionLines, RoundTripUnderTheDatabaseKey) {
    const std::string text = ".doc;Word document;Word;Win Mac\r\n\r\n.gz;Archive;gzip;Unix\r\n";
    TMemoryStream file = StreamOf(Encipher(text, BuildDatabaseKey()));
    const TStringList expected = {".doc;Word document;Word;Win Mac", "", ".gz;Archive;gzip;Unix"};
    EXPECT_EQ(ReadExtensionLines(file, BuildDatabaseKey()), expected);
}

TEST(ReadExtensionLines, ZeroByteCutsTheText) {
    const std::string text("first\r\nsec\0ond\r\nthird", 21);
    TMemoryStream file = StreamOf(Encipher(text, BuildDatabaseKey()));
    EXPECT_EQ(ReadExtensionLines(file, BuildDatabaseKey()), (TStringList{"first", "sec"}));
}

TEST(ReadExtensionLines, SingleBlockWithCountZeroGivesNoLines) {
    TMemoryStream file = StreamOf(Encipher("", BuildDatabaseKey()));
    ASSERT_EQ(file.Size(), 8);
    EXPECT_TRUE(ReadExtensionLines(file, BuildDatabaseKey()).empty());
}

TEST(ReadExtensionLines, IgnoresBytesBehindTheLastWholeBlock) {
    const std::string enciphered = Encipher("one\ntwo\nthree", BuildDatabaseKey());
    TMemoryStream file = StreamOf(enciphered + "xyz");
    EXPECT_EQ(ReadExtensionLines(file, BuildDatabaseKey()), (TStringList{"one", "two", "three"}));
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
