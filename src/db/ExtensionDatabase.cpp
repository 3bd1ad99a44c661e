#include "db/ExtensionDatabase.h"

#include <algorithm>
#include <cstring>

namespace {

// Finds line ends going forward through a text. It remembers the next CR and the next LF
// and searches again (with memchr) only for the one that has been passed, so the whole text
// is scanned about once even when it uses only one of the two characters.
class LineEndFinder {
public:
    explicit LineEndFinder(std::string_view text)
        : text_(text), nextCr_(Find('\r', 0)), nextLf_(Find('\n', 0)) {}

    // The position of the first CR or LF at or after pos, or the text's size.
    std::size_t Next(std::size_t pos) {
        if (nextCr_ < pos) {
            nextCr_ = Find('\r', pos);
        }
        if (nextLf_ < pos) {
            nextLf_ = Find('\n', pos);
        }
        return std::min(nextCr_, nextLf_);
    }

private:
    std::size_t Find(char c, std::size_t pos) const {
        const void* hit = std::memchr(text_.data() + pos, c, text_.size() - pos);
        return hit == nullptr
                   ? text_.size()
                   : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }

    std::string_view text_;
    std::size_t nextCr_;
    std::size_t nextLf_;
};

}  // namespace

TStringList SplitLines(std::string_view text) {
    TStringList lines;
    LineEndFinder lineEnds(text);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = lineEnds.Next(pos);
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

TStringList ReadExtensionLines(TStream& file, TLbBlowfish& cipher) {
    TMemoryStream deciphered;
    // Sized once to the enciphered length, which the plain text never exceeds.
    deciphered.SetSize(file.Size());
    cipher.DecipherStream(file, deciphered);
    return SplitLines(PlainTextOf(deciphered, static_cast<std::size_t>(deciphered.Position())));
}

TStringList ReadExtensionLines(TStream& file, const CipherKey16& key) {
    TLbBlowfish cipher;
    cipher.CipherMode = cmECB;
    cipher.AssignKey(key);
    return ReadExtensionLines(file, cipher);
}
