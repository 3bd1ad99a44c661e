#include <gtest/gtest.h>

#include <cstdio>

#include "LookupOutput.h"

namespace {

std::string Printed(const THitList& hits) {
    std::FILE* out = std::tmpfile();
    PrintHits(hits, false, out);
    std::string text(static_cast<std::size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    text.resize(std::fread(text.data(), 1, text.size(), out));
    std::fclose(out);
    return text;
}

}  // namespace

// Faults: a line with fewer than four fields printed otherwise than its fields read; fields
// behind the fourth printed; an ANSI byte between ASCII ones not converted, or the ASCII run
// behind it lost; lines lost or doubled where the output is written in pieces.
TEST(PrintHits, TabbedFieldsInUtf8) {
    const struct {
        std::string_view line, printed;
    } cases[] = {
        {".a;T;P;Win", ".a\tT\tP\tWin\n"},     {"plain", "plain\tplain\tplain\tplain\n"},
        {".b;Type", ".b\tType\tType\tType\n"}, {".c;;", ".c\t\t\t\n"},
        {"1;2;3;4;5", "1\t2\t3\t4\n"},         {"\xE4x\x80y;", "\xC3\xA4x\xE2\x82\xACy\t\t\t\n"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Printed({c.line}), c.printed) << c.line;
    }
    const std::string line = "0123456789;" + std::string(90, 'x') + ";p;Win";
    const THitList many(1000, line);
    std::string expected;
    for (std::size_t i = 0; i < many.size(); ++i) {
        expected += "0123456789\t" + std::string(90, 'x') + "\tp\tWin\n";
    }
    EXPECT_EQ(Printed(many), expected);
}
