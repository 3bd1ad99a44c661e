#include "text/AnsiCodePage.h"

#include <algorithm>
#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F, eight to a row.
// clang-format off
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos` and advances past it; malformed input gives U+FFFD.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= utf8.size() || (static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[pos++]) & 0x3F);
    }
    return cp;
}

}  // namespace

char32_t AnsiToUnicode(unsigned char ansi) {
    if (ansi >= 0x80 && ansi < 0xA0) {
        return kHighControlRange[ansi - 0x80];
    }
    return ansi;
}

unsigned char UnicodeToAnsi(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return '?';
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    AppendAnsiAsUtf8(out, ansi);
    return out;
}

// Runs of ASCII bytes, most of any text, are the same in UTF-8 and go over in one piece.
void AppendAnsiAsUtf8(std::string& out, std::string_view ansi) {
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    for (auto from = ansi.begin(); from != ansi.end();) {
        const auto other = std::find_if_not(from, ansi.end(), isAscii);
        out.append(from, other);
        if (other == ansi.end()) {
            break;
        }
        AppendUtf8(out, AnsiToUnicode(static_cast<unsigned char>(*other)));
        from = other + 1;
    }
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        out += static_cast<char>(UnicodeToAnsi(NextCodePoint(utf8, pos)));
    }
    return out;
}
