#include "db/ExtensionDatabase.h"

#include <cstring>

TStringList SplitLines(std::string_view text) {
    TStringList lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
        }
        if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return lines;
}

std::string_view PlainTextOf(const TMemoryStream& deciphered, std::size_t length) {
    const auto* data = reinterpret_cast<const char*>(deciphered.Memory());
    const void* zero = length == 0 ? nullptr : std::memchr(data, 0, length);
    if (zero != nullptr) {
        length = static_cast<std::size_t>(static_cast<const char*>(zero) - data);
    }
    return {data, length};
}

TStringList ReadExtensionLines(TStream& file, const CipherKey16& key) {
    TMemoryStream deciphered;
    // Sized once to the enciphered length, which the plain text never exceeds.
    deciphered.SetSize(file.Size());
    TLbBlowfish cipher;
    cipher.CipherMode = cmECB;
    cipher.AssignKey(key);
    cipher.DecipherStream(file, deciphered);
    return SplitLines(PlainTextOf(deciphered, static_cast<std::size_t>(deciphered.Position())));
}
