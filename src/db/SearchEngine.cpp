#include "db/SearchEngine.h"

#include <algorithm>
#include <vector>

#include "db/ExtensionRecord.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

constexpr unsigned char FoldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

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

bool LineMatches(std::string_view line, const std::vector<FoldedTerm>& terms, bool andLinking) {
    for (const FoldedTerm& term : terms) {
        if (term.FoundIn(line) != andLinking) {
            return !andLinking;
        }
    }
    return andLinking;
}

}  // namespace

std::string_view TrimControls(std::string_view text) {
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string AsciiUpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
    }
    return upper;
}

THitList FindMatchingLines(const TStringList& lines, const TSearchTerms& terms, bool andLinking) {
    const std::vector<FoldedTerm> folded = NonEmptyTerms(terms);
    THitList hits;
    for (const std::string& line : lines) {
        if (LineMatches(line, folded, andLinking)) {
            hits.push_back(line);
        }
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
