#pragma once

#include <array>
#include <cstdint>

#include "platform/Exceptions.h"
#include "platform/Streams.h"

// The stream cipher that protects the extension database: 8-byte blocks under a 16-byte key,
// with a block framing of its own for the last block. Its block function is built on the
// Blowfish tables but deliberately differs from published Blowfish, so files made with a
// standard implementation cannot be read and vice versa.

using CipherKey16 = std::array<std::uint8_t, 16>;

class ECipherException : public Exception {
    using Exception::Exception;
};

enum TLbCipherMode : std::uint8_t { cmECB = 0, cmCBC = 1 };

class TLBBase {
public:
    virtual ~TLBBase() = default;
};

class TLBBaseComponent : public TLBBase {};

class TLbCipher : public TLBBaseComponent {
public:
    // Both read the input from its current position, take the number of blocks from the
    // input's total size and write at the output's current position.
    virtual void DecipherStream(TStream& inStream, TStream& outStream) = 0;
    virtual void EncipherStream(TStream& inStream, TStream& outStream) = 0;
};

class TLbSymmetricCipher : public TLbCipher {
public:
    TLbCipherMode CipherMode = cmECB;
};

class TLbBlowfish : public TLbSymmetricCipher {
public:
    void AssignKey(const CipherKey16& key) { key_ = key; }
    const CipherKey16& Key() const { return key_; }

    void DecipherStream(TStream& inStream, TStream& outStream) override;
    void EncipherStream(TStream& inStream, TStream& outStream) override;
    // Deciphers a whole enciphered image held in memory, in place, and returns the length of
    // its plain text, which then stands at its start: the same bytes as DecipherStream gives.
    // Raises ECipherException as DecipherStream does; in another mode than cmECB it gives 0.
    std::size_t DecipherInPlace(std::uint8_t* bytes, std::size_t size);

    // Length of EncipherStream's output for a plain text of plainSize bytes in ECB framing.
    static std::uint32_t EncipheredSize(std::uint32_t plainSize);

private:
    CipherKey16 key_{};
};
