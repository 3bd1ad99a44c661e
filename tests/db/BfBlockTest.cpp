#include <gtest/gtest.h>

#include <random>

#include "db/BfBlock.h"

namespace {

CipherKey16 CountingKey() {
    CipherKey16 key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(i);
    }
    return key;
}

CipherKey16 RandomKey(std::mt19937& random) {
    CipherKey16 key{};
    for (auto& byte : key) {
        byte = static_cast<std::uint8_t>(random());
    }
    return key;
}

BfBlock RandomBlock(std::mt19937& random) {
    BfBlock block{};
    for (auto& byte : block) {
        byte = static_cast<std::uint8_t>(random());
    }
    return block;
}

BfBlock Masked(BfBlock block, const BfBlockMask& mask) {
    BfApplyMask(mask, block.data(), block.size());
    return block;
}

std::uint32_t HalfOf(const BfBlock& block, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | block[offset + i];
    }
    return value;
}

// The key expansion worked out with the closed form of the block function instead of the
// rounds: start from the initial tables, XOR the four key words in P0..P17 (repeating every
// four entries), then run the zero block through "XOR L with the even P entries and R with
// the odd ones", storing L and R pairwise into P and then S0..S3. Taking the mask afresh
// before each step reproduces that each step sees the entries changed before it.
BfState ExpandByMaskRule(const std::array<std::uint32_t, 4>& keyWords) {
    BfState state = kBfInitialState;
    for (std::size_t i = 0; i < state.P.size(); ++i) {
        state.P[i] ^= keyWords[i % 4];
    }
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    auto fill = [&](auto& table) {
        for (std::size_t i = 0; i < table.size(); i += 2) {
            const BfBlockMask mask = BfMaskOf(state);
            left ^= mask.left;
            right ^= mask.right;
            table[i] = left;
            table[i + 1] = right;
        }
    };
    fill(state.P);
    for (auto& box : state.S) {
        fill(box);
    }
    return state;
}

}  // namespace

TEST(BfInitialState, HoldsTheHexDigitsOfPi) {
    // P0, P1, P17 and S0[0] are the well-known leading words; S3[255], the last word, was
    // computed a second time by BBP digit extraction when the tables were generated.
    EXPECT_EQ(kBfInitialState.P[0], 0x243F6A88u);
    EXPECT_EQ(kBfInitialState.P[1], 0x85A308D3u);
    EXPECT_EQ(kBfInitialState.P[17], 0x8979FB1Bu);
    EXPECT_EQ(kBfInitialState.S[0][0], 0xD1310BA6u);
    EXPECT_EQ(kBfInitialState.S[3][255], 0x3AC372E6u);
}

TEST(BfCryptBlock, HalvesAreLittleEndianAndNotSwapped) {
    BfState state{};
    state.P[0] = 0x04030201;   // only L changes, byte 0 taking the least significant byte
    state.P[17] = 0x80000000;  // only byte 7 of R changes
    BfBlock block{};
    BfCryptBlock(state, block, BfDirection::Encipher);
    EXPECT_EQ(block, (BfBlock{1, 2, 3, 4, 0, 0, 0, 0x80}));
}

TEST(BfCryptBlock, EqualsTheMaskFormForRandomStatesAndBlocks) {
    // The round function reads the entry bytes, so the S-boxes cancel out: with arbitrary
    // tables the literal rounds must still agree with the XOR mask, in both directions.
    std::mt19937 random(20240611);
    for (int stateIndex = 0; stateIndex < 40; ++stateIndex) {
        BfState state{};
        for (auto& entry : state.P) {
            entry = static_cast<std::uint32_t>(random());
        }
        for (auto& box : state.S) {
            for (auto& entry : box) {
                entry = static_cast<std::uint32_t>(random());
            }
        }
        const BfBlockMask mask = BfMaskOf(state);
        for (int blockIndex = 0; blockIndex < 50; ++blockIndex) {
            const BfBlock plain = RandomBlock(random);
            for (BfDirection direction : {BfDirection::Encipher, BfDirection::Decipher}) {
                BfBlock block = plain;
                BfCryptBlock(state, block, direction);
                ASSERT_EQ(block, Masked(plain, mask)) << "state " << stateIndex;
            }
        }
    }
}

TEST(BfCryptBlock, EqualsTheMaskFormForExpandedRandomKeys) {
    std::mt19937 random(77);
    for (int keyIndex = 0; keyIndex < 100; ++keyIndex) {
        const BfState state = BfExpandKey(RandomKey(random));
        const BfBlockMask mask = BfMaskOf(state);
        for (int blockIndex = 0; blockIndex < 20; ++blockIndex) {
            const BfBlock plain = RandomBlock(random);
            BfBlock block = plain;
            BfCryptBlock(state, block, BfDirection::Decipher);
            ASSERT_EQ(block, Masked(plain, mask)) << "key " << keyIndex;
        }
    }
}

TEST(BfExpandKey, ZeroKeyFirstWordsFollowFromTheInitialP) {
    // The zero key leaves P as published, so the zero block enciphers to L = P0^P2^..^P16
    // and R = P1^P3^..^P17 of the initial table: 0x0D434CEE and 0xBA799B04. In the second
    // step P0 and P1 hold exactly these words, so the even mask becomes the initial P0 and
    // the odd one the initial P1: P2 = 0x0D434CEE ^ 0x243F6A88, P3 = 0xBA799B04 ^ 0x85A308D3.
    const BfState state = BfExpandKey(CipherKey16{});
    std::uint32_t evenInitial = 0;
    std::uint32_t oddInitial = 0;
    for (std::size_t i = 0; i < 18; i += 2) {
        evenInitial ^= kBfInitialState.P[i];
        oddInitial ^= kBfInitialState.P[i + 1];
    }
    EXPECT_EQ(state.P[0], evenInitial);
    EXPECT_EQ(state.P[1], oddInitial);
    EXPECT_EQ(state.P[0], 0x0D434CEEu);
    EXPECT_EQ(state.P[1], 0xBA799B04u);
    EXPECT_EQ(state.P[2], 0x297C2666u);
    EXPECT_EQ(state.P[3], 0x3FDA93D7u);
}

TEST(BfExpandKey, WholeStateMatchesTheMaskRuleModel) {
    struct Case {
        const char* name;
        CipherKey16 key;
        std::array<std::uint32_t, 4> words;  // the key bytes read big-endian, four at a time
    };
    CipherKey16 ones{};
    ones.fill(0xFF);
    const Case cases[] = {
        {"zero", CipherKey16{}, {0, 0, 0, 0}},
        {"counting", CountingKey(), {0x00010203, 0x04050607, 0x08090A0B, 0x0C0D0E0F}},
        {"all ones", ones, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}},
    };
    for (const Case& c : cases) {
        const BfState expected = ExpandByMaskRule(c.words);
        const BfState actual = BfExpandKey(c.key);
        EXPECT_EQ(actual.P, expected.P) << c.name;
        EXPECT_EQ(actual.S, expected.S) << c.name;
    }
}

TEST(BfExpandKey, SBoxFillAlternatesBetweenTwoBlocks) {
    // After the P-array is set the mask stays fixed, so the running block flips between two
    // values: every S entry pair is one of them, and P16/P17 is the other one.
    const BfState state = BfExpandKey(CountingKey());
    const BfBlockMask mask = BfMaskOf(state);
    EXPECT_EQ(state.S[0][0], state.P[16] ^ mask.left);
    EXPECT_EQ(state.S[0][1], state.P[17] ^ mask.right);
    EXPECT_EQ(state.S[0][2], state.P[16]);
    EXPECT_EQ(state.S[3][254], state.P[16]);
    EXPECT_EQ(state.S[3][255], state.P[17]);
}

TEST(BfApplyMask, MaskBytesAreTheLittleEndianHalves) {
    BfBlock block{};
    BfApplyMask({0x11223344, 0xA1B2C3D4}, block.data(), block.size());
    EXPECT_EQ(HalfOf(block, 0), 0x11223344u);
    EXPECT_EQ(HalfOf(block, 4), 0xA1B2C3D4u);
    EXPECT_EQ(block[0], 0x44);
    EXPECT_EQ(block[7], 0xA1);
}
