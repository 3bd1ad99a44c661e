#include <gtest/gtest.h>

#include <random>

#include "db/ExtensionRecord.h"
#include "db/SearchEngine.h"
#include "support/LineLists.h"
#include "text/TrimControls.h"

namespace {

const TLines kLines = {
    ".doc;Word document;Microsoft Word;Win Mac",
    ".docx;Word Open XML document;Microsoft Word;Win Mac",
    ".txt;Text file;Notepad;Win Mac Unix OS2",
    ".d;D source code;dmd;Unix",
    ".\xE4xt;Umlaut \xC4XT type;Tool;Win",
    ".star;Asterisk * and question ? type;Tool;Unix",
    ".txt;Text file;Notepad;Win Mac Unix OS2",
    "plainline",
};

const TStringList& Database() {
    static const TStringList lines = [] {
        std::string text;
        for (const std::string& line : kLines) {
            text += line + "\r\n";
        }
        return SplitLines(text);
    }();
    return lines;
}

TLines Find(const TSearchTerms& terms, bool andLinking) {
    const THitList hits = FindMatchingLines(Database(), terms, andLinking);
    return TLines(hits.begin(), hits.end());
}

TLines Find(const std::string& extension, const std::string& fileType, const std::string& program,
            bool andLinking) {
    return Find({extension, fileType, program}, andLinking);
}

}  // namespace

TEST(AsciiUpperCase, FoldsOnlyAToZ) {
    EXPECT_EQ(AsciiUpperCase("azAZ09.*?"), "AZAZ09.*?");
    EXPECT_EQ(AsciiUpperCase("\xE4\xE9"), "\xE4\xE9");
}

TEST(FindMatchingLines, FoldsCaseOfTermAndField) {
    EXPECT_EQ(Find("Doc", "", "", false).size(), 2u);
    EXPECT_EQ(Find("DOC", "", "", true).size(), 2u);
}

TEST(FindMatchingLines, DoesNotFoldAccentedLetters) {
    EXPECT_TRUE(Find("\xE4", "", "", false).size() == 1u);  // finds the line with the extension
    EXPECT_TRUE(Find("", "\xE4", "", false).empty());       // file type holds only the upper form
}

TEST(FindMatchingLines, LeadingDotAndWildcardsAreOrdinaryCharacters) {
    EXPECT_EQ(Find(".doc", "", "", false).size(), 2u);
    EXPECT_TRUE(Find("*", "", "", false).empty());
    EXPECT_EQ(Find("", "*", "", false).size(), 1u);
    EXPECT_EQ(Find("", "?", "", false).size(), 1u);
}

TEST(FindMatchingLines, TermsAreTrimmedBeforeMatching) {
    EXPECT_EQ(Find("  doc\t", "", "", false), Find("doc", "", "", false));
}

TEST(FindMatchingLines, EachTermTestsOnlyItsOwnField) {
    EXPECT_TRUE(Find("word", "", "", false).empty());
    EXPECT_EQ(Find("", "word", "", false).size(), 2u);
    EXPECT_EQ(Find("", "", "notepad", false).size(), 2u);
}

TEST(FindMatchingLines, AndNeedsEveryNonEmptyTerm) {
    const TLines hits = Find("d", "text", "", true);
    ASSERT_EQ(hits.size(), 0u);
    EXPECT_EQ(Find("t", "text", "", true).size(), 2u);
    EXPECT_EQ(Find("d", "source", "dmd", true), TLines{kLines[3]});
}

TEST(FindMatchingLines, OrNeedsAnyTermAndListsEachLineOnce) {
    const TLines hits = Find("doc", "word", "microsoft", false);
    EXPECT_EQ(hits, (TLines{kLines[0], kLines[1]}));
}

TEST(FindMatchingLines, OrWithOneTermEqualsAndWithIt) {
    for (const char* term : {"doc", "t", ".", "zzz"}) {
        EXPECT_EQ(Find(term, "", "", false), Find(term, "", "", true)) << term;
    }
}

TEST(FindMatchingLines, AllTermsEmptyTakesEverythingUnderAndNothingUnderOr) {
    EXPECT_EQ(Find(" ", "", "\t", true), kLines);
    EXPECT_TRUE(Find(" ", "", "\t", false).empty());
}

TEST(FindMatchingLines, KeepsDatabaseOrderAndDuplicates) {
    EXPECT_EQ(Find("txt", "", "", false), (TLines{kLines[2], kLines[6]}));
}

TEST(FindMatchingLines, LineWithoutSeparatorOffersWholeTextToEveryTerm) {
    for (int field = 0; field < 3; ++field) {
        TSearchTerms terms;
        std::string* slots[] = {&terms.extension, &terms.fileType, &terms.program};
        *slots[field] = "PLAIN";
        EXPECT_EQ(Find(terms, false), TLines{"plainline"}) << field;
    }
}

TEST(FindMatchingLines, TermLongerThanFieldOrAtFieldEnd) {
    EXPECT_TRUE(Find(".docxx", "", "", false).empty());
    EXPECT_EQ(Find("cx", "", "", false), TLines{kLines[1]});
}

TEST(SummarizeSearch, PacksTrimmedTermsAsTypedAndCountsThem) {
    const TSearchSummary s = SummarizeSearch({"", "  Text ", "Word"}, false, 12, 5000);
    EXPECT_EQ(s.items[0], "Text");
    EXPECT_EQ(s.items[1], "Word");
    EXPECT_EQ(s.items[2], "");
    EXPECT_EQ(s.heading, "Search term (2)");
    EXPECT_EQ(s.linking, "OR");
    EXPECT_EQ(s.hits, "12 Hit(s)");
}

TEST(SummarizeSearch, GermanHeadingsKeepTheirWording) {
    EXPECT_EQ(SummarizeSearch({"a", "", ""}, true, 0, 1000).heading, "Suchebgriffe (1)");
    EXPECT_EQ(SummarizeSearch({"a", "b", "c"}, true, 0, 1000).heading, "Suchebgriffe (3)");
    EXPECT_EQ(SummarizeSearch({"", "", ""}, true, 0, 1000).heading, "Suchbegriffe (0)");
    const TSearchSummary s = SummarizeSearch({"a", "", ""}, true, 0, 1000);
    EXPECT_EQ(s.linking, "AND");
    EXPECT_EQ(s.hits, "0 Treffer");
}

// Random texts and terms against a model that tests every line's field on its own: lines of
// one to five fields, both cases, bytes that differ from letters only in bit 5 ('@' '`' '['
// '{'), terms with separators and line ends, lines longer than a scan block.
TEST(FindMatchingLines, RandomQueriesMatchTheLineByLineModel) {
    std::mt19937 random(11);
    const auto randomText = [&](std::string_view alphabet, std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        return text;
    };
    const auto modelFinds = [](std::string_view line, const std::string& term, int field) {
        const std::string folded = AsciiUpperCase(TrimControls(term));
        return AsciiUpperCase(FieldOf(line, field)).find(folded) != std::string::npos;
    };
    for (int round = 0; round < 3000; ++round) {
        const TStringList lines = SplitLines(randomText("aAbB;;;@`[{\xE4\r\n", 120));
        const std::string terms[] = {randomText("aAbB;@`[{\xE4 ", 3),
                                     randomText("aAbB;@`[{\xE4 \n", 3), randomText("aAb ", 5)};
        const bool andLinking = random() % 2 == 0;
        THitList expected;
        for (const std::string_view line : lines) {
            int found = 0;
            int given = 0;
            for (int field = 1; field <= 3; ++field) {
                const bool empty = TrimControls(terms[field - 1]).empty();
                given += empty ? 0 : 1;
                found += !empty && modelFinds(line, terms[field - 1], field) ? 1 : 0;
            }
            if (andLinking ? found == given : found > 0) {
                expected.push_back(line);
            }
        }
        const THitList hits = FindMatchingLines(lines, {terms[0], terms[1], terms[2]}, andLinking);
        ASSERT_EQ(hits, expected) << lines.Text() << "|" << terms[0] << "|" << terms[1] << "|"
                                  << terms[2] << "|" << andLinking;
        for (std::size_t i = 0; i < hits.size(); ++i) {
            ASSERT_EQ(hits[i].data(), expected[i].data()) << "hits are views into the lines";
        }
    }
}

// "aabbb": the scan's first candidate for "abbb" fails, and the occurrence starts one behind it.
TEST(FindMatchingLines, FindsTheTermRightBehindAFailedCandidate) {
    EXPECT_EQ(FindMatchingLines(SplitLines(";;xaabbb"), {"", "", "abbb"}, false).size(), 1u);
}
