#include "db/ExtensionDatabase.h"

#include <cstring>
#include <memory>

TStringList SplitLines(std::string_view text) {
    auto buffer = std::make_unique_for_overwrite<char[]>(text.size());
    std::memcpy(buffer.get(), text.data(), text.size());
    return {std::move(buffer), text.size()};
}

std::string_view PlainTextOf(std::string_view deciphered) {
    return deciphered.substr(0, deciphered.find('\0'));
}

// The file is read in one go into the buffer that then holds the lines, and deciphered there:
// no second copy of the text is made.
TStringList ReadExtensionLines(TStream& file, TLbBlowfish& cipher) {
    const auto size = static_cast<std::size_t>(file.Size() - file.Position());
    auto buffer = std::make_unique_for_overwrite<char[]>(size);
    file.ReadBuffer(buffer.get(), size);
    const std::size_t deciphered =
        cipher.DecipherInPlace(reinterpret_cast<std::uint8_t*>(buffer.get()), size);
    const std::size_t length = PlainTextOf({buffer.get(), deciphered}).size();
    return {std::move(buffer), length};
}

TStringList ReadExtensionLines(TStream& file, const CipherKey16& key) {
    TLbBlowfish cipher;
    cipher.CipherMode = cmECB;
    cipher.AssignKey(key);
    return ReadExtensionLines(file, cipher);
}
