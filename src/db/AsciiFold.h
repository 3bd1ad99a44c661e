#pragma once

// Upper case by the ASCII rule, the one fold of the search: only a to z change.
constexpr unsigned char FoldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
