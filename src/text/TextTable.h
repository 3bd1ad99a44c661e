#pragma once

#include <span>
#include <string>

// The program's numbered texts. German wordings stand at 1000 + n, English ones at 5000 + n;
// a window asks for LanguageBase + n. A number without an entry gives the empty text.

constexpr int kGermanLanguageBase = 1000;
constexpr int kEnglishLanguageBase = 5000;

// Longest text the table may hold, in characters.
constexpr std::size_t kMaxTextLength = 1023;

struct TextTableEntry {
    int id;
    const char* utf8;  // the wording as written in the source, converted to ANSI on lookup
};

// The table's rows, kept with the program's resources.
std::span<const TextTableEntry> TextTableEntries();

// The ANSI text with number `id`, or the empty text.
std::string LoadStr(int id);
