#include "db/BfBlock.h"

#include <cstring>

namespace {

std::uint32_t ReadLittleEndian(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteLittleEndian(std::uint32_t value, std::uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// The round function over four bytes in memory order; b3 (offset 3) is the most significant
// byte of the little-endian half.
std::uint32_t RoundF(const BfState& state, const std::uint8_t* b) {
    return ((state.S[0][b[3]] + state.S[1][b[2]]) ^ state.S[2][b[1]]) + state.S[3][b[0]];
}

void FoldKeyIntoP(const CipherKey16& key, BfState& state) {
    std::size_t j = 0;
    for (std::uint32_t& entry : state.P) {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i) {
            word = word << 8 | key[j];
            j = (j + 1) % key.size();
        }
        entry ^= word;
    }
}

// Enciphers the running block and stores its halves pairwise into `table`, the way the key
// expansion fills the P-array and then each S-box.
template <std::size_t N>
void FillFromBlock(BfState& state, BfBlock& block, std::array<std::uint32_t, N>& table) {
    for (std::size_t i = 0; i < N; i += 2) {
        BfCryptBlock(state, block, BfDirection::Encipher);
        table[i] = ReadLittleEndian(block.data());
        table[i + 1] = ReadLittleEndian(block.data() + 4);
    }
}

}  // namespace

BfState BfExpandKey(const CipherKey16& key) {
    BfState state = kBfInitialState;
    FoldKeyIntoP(key, state);
    BfBlock block{};
    FillFromBlock(state, block, state.P);
    for (auto& box : state.S) {
        FillFromBlock(state, block, box);
    }
    return state;
}

void BfCryptBlock(const BfState& state, BfBlock& block, BfDirection direction) {
    const BfBlock t = block;
    const std::uint8_t* tl = t.data();
    const std::uint8_t* tr = t.data() + 4;
    std::uint32_t l = ReadLittleEndian(tl);
    std::uint32_t r = ReadLittleEndian(tr);
    const auto& p = state.P;
    if (direction == BfDirection::Encipher) {
        l ^= p[0];
        for (std::size_t i = 1; i <= 15; i += 2) {
            r ^= p[i] ^ RoundF(state, tl);
            l ^= p[i + 1] ^ RoundF(state, tr);
        }
        r ^= p[17];
    } else {
        r ^= p[17];
        for (std::size_t i = 16; i >= 2; i -= 2) {
            l ^= p[i] ^ RoundF(state, tr);
            r ^= p[i - 1] ^ RoundF(state, tl);
        }
        l ^= p[0];
    }
    WriteLittleEndian(l, block.data());
    WriteLittleEndian(r, block.data() + 4);
}

BfBlockMask BfMaskOf(const BfState& state) {
    BfBlockMask mask{0, 0};
    for (std::size_t i = 0; i < state.P.size(); i += 2) {
        mask.left ^= state.P[i];
        mask.right ^= state.P[i + 1];
    }
    return mask;
}

void BfApplyMask(const BfBlockMask& mask, std::uint8_t* bytes, std::size_t count) {
    BfBlock pattern{};
    WriteLittleEndian(mask.left, pattern.data());
    WriteLittleEndian(mask.right, pattern.data() + 4);
    std::uint64_t word = 0;
    std::memcpy(&word, pattern.data(), sizeof word);
    for (std::size_t offset = 0; offset + 8 <= count; offset += 8) {
        std::uint64_t block = 0;
        std::memcpy(&block, bytes + offset, sizeof block);
        block ^= word;
        std::memcpy(bytes + offset, &block, sizeof block);
    }
}
