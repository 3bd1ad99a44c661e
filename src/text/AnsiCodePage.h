#pragma once

#include <string>
#include <string_view>

// The Windows ANSI code page (Windows-1252), in which every text of the core is held.
// These are the only places where its bytes meet Unicode.

// The Unicode code point of one ANSI byte. The five bytes that the code page leaves unassigned
// map to the control code points of the same value, as Windows does.
char32_t AnsiToUnicode(unsigned char ansi);

// The ANSI byte for a code point, or '?' for a character that the code page cannot hold.
unsigned char UnicodeToAnsi(char32_t codePoint);

std::string AnsiToUtf8(std::string_view ansi);
// The same appended to `out`, for output built from many pieces.
void AppendAnsiAsUtf8(std::string& out, std::string_view ansi);
// Malformed UTF-8 sequences become '?', like characters outside the code page.
std::string Utf8ToAnsi(std::string_view utf8);
