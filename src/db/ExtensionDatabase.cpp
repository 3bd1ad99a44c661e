#include "db/ExtensionDatabase.h"

#include <cstring>

TStringList SplitLines(std::string_view text) {
    TPlainText copy{AllocateLargeBuffer(text.size()), text.size()};
    std::memcpy(copy.bytes.get(), text.data(), text.size());
    return TStringList(std::move(copy));
}

std::string_view PlainTextOf(std::string_view deciphered) {
    return deciphered.substr(0, deciphered.find('\0'));
}

// The file is read in one go into the buffer that then holds the lines, and deciphered there:
// no second copy of the text is made.
TPlainText ReadExtensionText(TStream& file, TLbBlowfish& cipher) {
    const auto size = static_cast<std::size_t>(file.Size() - file.Position());
    TLargeBuffer buffer = AllocateLargeBuffer(size);
    file.ReadBuffer(buffer.get(), size);
    const std::size_t deciphered =
        cipher.DecipherInPlace(reinterpret_cast<std::uint8_t*>(buffer.get()), size);
    const std::size_t length = PlainTextOf({buffer.get(), deciphered}).size();
    return {std::move(buffer), length};
}

TPlainText ReadExtensionText(TStream& file, const CipherKey16& key) {
    TLbBlowfish cipher;
    cipher.CipherMode = cmECB;
    cipher.AssignKey(key);
    return ReadExtensionText(file, cipher);
}

TStringList ReadExtensionLines(TStream& file, TLbBlowfish& cipher) {
    return TStringList(ReadExtensionText(file, cipher));
}

TStringList ReadExtensionLines(TStream& file, const CipherKey16& key) {
    return TStringList(ReadExtensionText(file, key));
}
