#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "db/ExtensionDatabase.h"

// The search over the database lines: up to three terms, each tested as a substring of its
// own field (extension, file type, program) after folding a to z to upper case.

struct TSearchTerms {
    std::string extension;
    std::string fileType;
    std::string program;
};

// Upper case by the ASCII rule: only a to z change; accented ANSI letters keep their value.
std::string AsciiUpperCase(std::string_view text);

// The lines of one search's hits, as views into the database lines they were found in: a hit
// costs no copy, and the list is valid as long as those lines stay unchanged.
using THitList = std::vector<std::string_view>;

// The lines of a database text (split by the rule of StringList.h) that match, in text order, each
// listed once. Under AND every non-empty term must occur in its field (an empty term places no
// condition); under OR any non-empty term that occurs in its field makes the line a hit.
THitList FindMatchingLines(std::string_view text, const TSearchTerms& terms, bool andLinking);
// The same over the lines' text: no line is looked at on its own unless all terms are empty.
inline THitList FindMatchingLines(const TStringList& lines, const TSearchTerms& terms,
                                  bool andLinking) {
    return FindMatchingLines(lines.Text(), terms, andLinking);
}

// The texts of the result box after a search.
struct TSearchSummary {
    std::array<std::string, 3> items;  // the non-empty trimmed terms, packed from the first
    std::string heading;               // "Search term (n)" in the current language
    std::string linking;               // "AND" or "OR"
    std::string hits;                  // "12 Hit(s)"
};

TSearchSummary SummarizeSearch(const TSearchTerms& terms, bool andLinking, std::size_t hitCount,
                               int languageBase);
