#include <gtest/gtest.h>

#include <random>

#include "db/TermScan.h"

// Faults: the wide skip passing over a stride that holds an occurrence (in either half, at its
// first or last position, just before the text's last bytes), or stopping otherwise than the
// portable scan, so that the two find different lines.
TEST(LinesWithTermInField, WidestAndPortableScansFindTheSameLines) {
    std::mt19937 random(5);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 600, 'x');
        for (int scattered = static_cast<int>(random() % 12); scattered > 0 && !text.empty();
             --scattered) {
            text[random() % text.size()] = "aAb;\r\n"[random() % 6];
        }
        const std::string term = std::string("AB").substr(random() % 2, 1 + random() % 2);
        const int field = 1 + static_cast<int>(random() % 3);
        const auto widest = LinesWithTermInField(text, term, field, TScanWidth::kWidest);
        ASSERT_EQ(widest, LinesWithTermInField(text, term, field, TScanWidth::kPortable))
            << text << "|" << term << "|" << field;
        found += widest.empty() ? 0 : 1;
    }
    EXPECT_GT(found, 1000);
}

// Faults: the first or last letter of the alphabet not found in the other case; '@' or '[',
// which differ from 'A' and 'Z' by the case bit's neighbours, taken for letters.
TEST(LinesWithTermInField, FoldsExactlyTheLettersAToZ) {
    const std::string_view text = "a\nA\nz\nZ\n@\n`\n[\n{\n";
    const std::pair<std::string_view, std::vector<std::string_view>> cases[] = {
        {"A", {"a", "A"}}, {"Z", {"z", "Z"}}, {"@", {"@"}}, {"[", {"["}}};
    for (const auto& [term, lines] : cases) {
        for (const TScanWidth width : {TScanWidth::kWidest, TScanWidth::kPortable}) {
            EXPECT_EQ(LinesWithTermInField(text, term, 1, width), lines) << term;
        }
    }
}
