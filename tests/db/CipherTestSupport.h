#pragma once

#include <string>
#include <string_view>

#include "db/BfBlock.h"
#include "db/LbCipher.h"
#include "platform/Streams.h"

// Byte strings in and out of the cipher component, for tests that compare whole outputs.

inline TMemoryStream StreamOf(std::string_view bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), bytes.size());
    stream.SetPosition(0);
    return stream;
}

inline std::string BytesOf(const TMemoryStream& stream, std::size_t length) {
    return {reinterpret_cast<const char*>(stream.Memory()), length};
}

inline std::string BytesOf(TMemoryStream& stream) {
    return BytesOf(stream, static_cast<std::size_t>(stream.Size()));
}

// Runs one stream operation of a fresh component (EncipherStream or DecipherStream).
inline std::string RunCipher(std::string_view input, const CipherKey16& key,
                             void (TLbBlowfish::*operation)(TStream&, TStream&)) {
    TLbBlowfish cipher;
    cipher.AssignKey(key);
    TMemoryStream in = StreamOf(input);
    TMemoryStream out;
    (cipher.*operation)(in, out);
    return BytesOf(out);
}

inline std::string Encipher(std::string_view plain, const CipherKey16& key) {
    return RunCipher(plain, key, &TLbBlowfish::EncipherStream);
}

inline std::string Decipher(std::string_view enciphered, const CipherKey16& key) {
    return RunCipher(enciphered, key, &TLbBlowfish::DecipherStream);
}

// One enciphered block whose plain form is `plain`, made with the literal block function.
inline std::string EncipheredBlock(const BfBlock& plain, const CipherKey16& key) {
    BfBlock block = plain;
    BfCryptBlock(BfExpandKey(key), block, BfDirection::Encipher);
    return {reinterpret_cast<const char*>(block.data()), block.size()};
}

inline BfBlock BlockOf(std::string_view eightBytes) {
    BfBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(eightBytes[i]);
    }
    return block;
}
