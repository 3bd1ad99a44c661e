#include "db/SearchEngine.h"

#include <algorithm>
#include <cstring>

#include "db/ExtensionRecord.h"
#include "text/TextTable.h"

namespace {

constexpr int kFirstHeadingText = 10;
constexpr int kHitWordText = 14;

constexpr unsigned char FoldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// A term ready for matching: trimmed and folded once per search.
struct FoldedTerm {
    std::string text;
    int field;
};

// Whether `upperTerm` occurs in `field` once the field is folded. The first byte is looked
// for in both letter cases with memchr, which keeps the scan close to memory speed.
bool ContainsFolded(std::string_view field, std::string_view upperTerm) {
    if (upperTerm.size() > field.size()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(upperTerm[0]);
    const bool isLetter = first >= 'A' && first <= 'Z';
    const char* const end = field.data() + field.size() - upperTerm.size() + 1;
    for (const char* p = field.data(); p < end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c != first && !(isLetter && c == first + ('a' - 'A'))) {
            continue;
        }
        std::size_t i = 1;
        while (i < upperTerm.size() &&
               FoldAscii(static_cast<unsigned char>(p[i])) ==
                   static_cast<unsigned char>(upperTerm[i])) {
            ++i;
        }
        if (i == upperTerm.size()) {
            return true;
        }
    }
    return false;
}

std::vector<FoldedTerm> NonEmptyTerms(const TSearchTerms& terms) {
    std::vector<FoldedTerm> folded;
    int field = 1;
    for (const std::string* term : {&terms.extension, &terms.fileType, &terms.program}) {
        const std::string_view trimmed = TrimControls(*term);
        if (!trimmed.empty()) {
            folded.push_back({AsciiUpperCase(trimmed), field});
        }
        ++field;
    }
    return folded;
}

bool LineMatches(std::string_view line, const std::vector<FoldedTerm>& terms, bool andLinking) {
    for (const FoldedTerm& term : terms) {
        if (ContainsFolded(FieldOf(line, term.field), term.text) != andLinking) {
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

TStringList FindMatchingLines(const TStringList& lines, const TSearchTerms& terms,
                              bool andLinking) {
    const std::vector<FoldedTerm> folded = NonEmptyTerms(terms);
    TStringList hits;
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
    summary.heading = LoadStr(languageBase + kFirstHeadingText + static_cast<int>(count));
    summary.linking = andLinking ? "AND" : "OR";
    summary.hits = std::to_string(hitCount) + " " + LoadStr(languageBase + kHitWordText);
    return summary;
}
