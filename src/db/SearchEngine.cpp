#include "db/SearchEngine.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "db/AsciiFold.h"
#include "db/ExtensionRecord.h"
#include "db/TermScan.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"
#include "text/TrimControls.h"

namespace {

// A term ready for matching, folded once per search. Fields are searched with Horspool's
// rule over folded bytes: on a mismatch the window moves by how far the byte under its last
// position stands from the end of the term, so most bytes of a field are never looked at.
class FoldedTerm {
public:
    FoldedTerm(std::string_view trimmed, int field)
        : text_(AsciiUpperCase(trimmed)), field_(field) {
        const std::size_t last = text_.size() - 1;
        skip_.fill(text_.size());
        for (std::size_t i = 0; i < last; ++i) {
            for (int c = 0; c < 256; ++c) {
                if (FoldAscii(static_cast<unsigned char>(c)) ==
                    static_cast<unsigned char>(text_[i])) {
                    skip_[static_cast<std::size_t>(c)] = last - i;
                }
            }
        }
    }

    bool FoundIn(std::string_view line) const { return Contains(FieldOf(line, field_)); }
    // The lines of the whole text that hold the term in its field.
    THitList LinesIn(std::string_view text) const {
        return LinesWithTermInField(text, text_, field_);
    }

private:
    bool Contains(std::string_view field) const {
        const std::size_t n = text_.size();
        for (std::size_t pos = 0; pos + n <= field.size();) {
            std::size_t i = n;
            while (i > 0 && FoldAscii(static_cast<unsigned char>(field[pos + i - 1])) ==
                                static_cast<unsigned char>(text_[i - 1])) {
                --i;
            }
            if (i == 0) {
                return true;
            }
            pos += skip_[static_cast<unsigned char>(field[pos + n - 1])];
        }
        return false;
    }

    std::string text_;
    int field_;
    std::array<std::size_t, 256> skip_{};
};

std::vector<FoldedTerm> NonEmptyTerms(const TSearchTerms& terms) {
    std::vector<FoldedTerm> folded;
    int field = 1;
    for (const std::string* term : {&terms.extension, &terms.fileType, &terms.program}) {
        const std::string_view trimmed = TrimControls(*term);
        if (!trimmed.empty()) {
            folded.emplace_back(trimmed, field);
        }
        ++field;
    }
    return folded;
}

// Both lists in text order; the result holds every line of either once.
THitList UniteInTextOrder(const THitList& a, const THitList& b) {
    THitList united;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(united),
                   [](std::string_view x, std::string_view y) { return x.data() < y.data(); });
    return united;
}

}  // namespace

std::string AsciiUpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
    }
    return upper;
}

// Each term's lines are found by a scan of the whole text. Under AND the first term's lines
// are then tested for the others one by one; under OR the terms' lines are united.
THitList FindMatchingLines(std::string_view text, const TSearchTerms& terms, bool andLinking) {
    const std::vector<FoldedTerm> folded = NonEmptyTerms(terms);
    if (folded.empty()) {
        return andLinking ? LineViewsOf(text) : THitList{};
    }
    if (andLinking) {
        THitList hits = folded.front().LinesIn(text);
        std::erase_if(hits, [&](std::string_view line) {
            return !std::all_of(folded.begin() + 1, folded.end(),
                                [line](const FoldedTerm& term) { return term.FoundIn(line); });
        });
        return hits;
    }
    THitList hits;
    for (const FoldedTerm& term : folded) {
        THitList found = term.LinesIn(text);
        hits = hits.empty() ? std::move(found) : UniteInTextOrder(hits, found);
    }
    return hits;
}

TSearchSummary SummarizeSearch(const TSearchTerms& terms, bool andLinking, std::size_t hitCount,
                               int languageBase) {
    TSearchSummary summary;
    std::size_t count = 0;
    for (const std::string* term : {&terms.extension, &terms.fileType, &terms.program}) {
        const std::string_view trimmed = TrimControls(*term);
        if (!trimmed.empty()) {
            summary.items[count++] = std::string(trimmed);
        }
    }
    summary.heading = LoadStr(languageBase + txSearchTermsCount0 + static_cast<int>(count));
    summary.linking = andLinking ? "AND" : "OR";
    summary.hits = std::to_string(hitCount) + " " + LoadStr(languageBase + txHitWord);
    return summary;
}
