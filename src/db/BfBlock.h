#pragma once

#include <array>
#include <cstdint>

#include "db/LbCipher.h"

// The block layer of TLbBlowfish, kept apart from the component so that it can be tested on
// its own. A block is 8 bytes seen as two halves, L (bytes 0-3) and R (bytes 4-7), each read
// little-endian.

using BfBlock = std::array<std::uint8_t, 8>;

// The expanded key: the P-array and the four S-boxes.
struct BfState {
    std::array<std::uint32_t, 18> P;
    std::array<std::array<std::uint32_t, 256>, 4> S;
};

// The initial tables, the hexadecimal digits of pi (generated file BlowfishTables.cpp).
extern const BfState kBfInitialState;

enum class BfDirection { Encipher, Decipher };

// Expands a 16-byte key into the state that BfCryptBlock works with.
BfState BfExpandKey(const CipherKey16& key);

// Ciphers one block in place. The round function reads the block as it was on entry, which
// sets this cipher apart from published Blowfish.
void BfCryptBlock(const BfState& state, BfBlock& block, BfDirection direction);

// The effect of BfCryptBlock in closed form: every round-function value is XORed into its half
// an even number of times and cancels, so a block call, in either direction, XORs L with
// P0 ^ P2 ^ ... ^ P16 and R with P1 ^ P3 ^ ... ^ P17. The stream loop uses this form.
struct BfBlockMask {
    std::uint32_t left;
    std::uint32_t right;
};
BfBlockMask BfMaskOf(const BfState& state);

// XORs `count` bytes (a whole number of blocks) with the mask in place.
void BfApplyMask(const BfBlockMask& mask, std::uint8_t* bytes, std::size_t count);
