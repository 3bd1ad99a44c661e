#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "db/TermScan.h"

namespace {

// A copy of a text of less than a page that ends where an unreadable page begins: a scan
// that reads behind the text's end stops the test.
class GuardedText {
public:
    explicit GuardedText(std::string_view text)
        : page_(static_cast<std::size_t>(::sysconf(_SC_PAGESIZE))),
          pages_(static_cast<char*>(::mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE,
                                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0))) {
        ::mprotect(pages_ + page_, page_, PROT_NONE);
        char* start = pages_ + page_ - text.size();
        std::memcpy(start, text.data(), text.size());
        view_ = {start, text.size()};
    }
    ~GuardedText() { ::munmap(pages_, 2 * page_); }
    std::string_view View() const { return view_; }

private:
    std::size_t page_;
    char* pages_;
    std::string_view view_;
};

}  // namespace

// Faults: the wide skip passing over a stride that holds an occurrence (in either half, at its
// first or last position, just before the text's last bytes), or stopping otherwise than the
// portable scan, so that the two find different lines; either reading behind the text.
TEST(LinesWithTermInField, WidestAndPortableScansFindTheSameLines) {
    std::mt19937 random(5);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string plain(random() % 600, 'x');
        for (int scattered = static_cast<int>(random() % 12); scattered > 0 && !plain.empty();
             --scattered) {
            plain[random() % plain.size()] = "aAb;\r\n"[random() % 6];
        }
        const GuardedText guarded(plain);
        const std::string_view text = guarded.View();
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
