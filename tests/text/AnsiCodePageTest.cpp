#include <gtest/gtest.h>

#include "text/AnsiCodePage.h"

TEST(AnsiCodePage, GermanLettersAndEuroRoundTripThroughUtf8) {
    const std::string ansi = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF \x80";
    EXPECT_EQ(AnsiToUtf8(ansi), "äöüÄÖÜß €");
    EXPECT_EQ(Utf8ToAnsi("äöüÄÖÜß €"), ansi);
}

TEST(AnsiCodePage, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        const auto c = static_cast<unsigned char>(byte);
        EXPECT_EQ(UnicodeToAnsi(AnsiToUnicode(c)), c) << byte;
    }
}

TEST(AnsiCodePage, HighRangeDiffersFromLatin1) {
    EXPECT_EQ(AnsiToUnicode(0x93), U'\u201C');
    EXPECT_EQ(AnsiToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(AnsiToUnicode(0x81), U'\u0081');  // unassigned byte
}

TEST(AnsiCodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("a\xE2\x82\xAC"
                         "b"),
              "a\x80"
              "b");
    EXPECT_EQ(Utf8ToAnsi("Ω☃😀"), "???");
    EXPECT_EQ(Utf8ToAnsi("\xC2\x80"), "?");  // U+0080, the first code point that isn't ASCII
}

TEST(AnsiCodePage, MalformedUtf8BecomesQuestionMarksWithoutReadingPastTheEnd) {
    EXPECT_EQ(Utf8ToAnsi("\xC3"), "?");
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82"), "?");
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80\x80"), "??");  // four bytes, then a stray one
    EXPECT_EQ(Utf8ToAnsi("\xFF"
                         "a"),
              "?a");
}
