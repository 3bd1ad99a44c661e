#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// A scan over a text 16 bytes at a time with the compiler's portable vector types, which it maps
// onto the machine's vector instructions: a test marks the positions of a block that may be of
// interest, and only those are looked at one by one.

static_assert(std::endian::native == std::endian::little, "block masks are read little-endian");

constexpr std::size_t kScanBlock = 16;
using TByteBlock = unsigned char __attribute__((vector_size(kScanBlock)));

inline TByteBlock LoadBlock(const char* bytes) {
    TByteBlock block;
    std::memcpy(&block, bytes, sizeof block);
    return block;
}

inline bool AnyMarked(TByteBlock marks) {
    std::uint64_t lanes[2];
    std::memcpy(lanes, &marks, sizeof lanes);
    return (lanes[0] | lanes[1]) != 0;
}

inline TByteBlock SplatByte(unsigned char byte) {
    return TByteBlock{} + byte;
}

// Runs `visit` for each marked position of a text from the lowest to the highest. `test(p)`
// marks, with 0xFF bytes, which of the 16 positions from p on are candidates; it may read up
// to `reach` bytes behind the block. `visit(pos)` returns the position to go on from, greater
// than pos, or the text's size to stop.
template <typename Test, typename Visit>
class TBlockScan {
    static constexpr std::size_t kStride = 4 * kScanBlock;

public:
    TBlockScan(std::string_view text, std::size_t reach, Test test, Visit visit)
        : text_(text), reach_(reach), test_(test), visit_(visit) {}

    void Run() {
        std::size_t pos = 0;
        // Four blocks are tested before any is looked at, as most hold no mark at all.
        while (pos + kStride + reach_ <= text_.size()) {
            const char* bytes = text_.data() + pos;
            const TByteBlock marks[] = {test_(bytes), test_(bytes + kScanBlock),
                                        test_(bytes + 2 * kScanBlock),
                                        test_(bytes + 3 * kScanBlock)};
            if (!AnyMarked((marks[0] | marks[1]) | (marks[2] | marks[3]))) {
                pos += kStride;
                continue;
            }
            const std::size_t base = pos;
            for (std::size_t block = 0; block < 4; ++block) {
                pos = VisitBlock(marks[block], base + block * kScanBlock, pos);
            }
        }
        // The last bytes go through a zero-padded copy, so the test reads the same way there.
        if (pos < text_.size()) {
            std::vector<char> tail(text_.size() - pos + kScanBlock + reach_, '\0');
            std::copy(text_.begin() + static_cast<std::ptrdiff_t>(pos), text_.end(), tail.begin());
            const std::size_t offset = pos;
            while (pos < text_.size()) {
                pos = VisitBlock(test_(tail.data() + (pos - offset)), pos, pos);
            }
        }
    }

private:
    // Visits the marked positions of the block at `start` that lie at or after `resume`, and
    // returns where the next block begins.
    std::size_t VisitBlock(TByteBlock marks, std::size_t start, std::size_t resume) {
        std::uint64_t lanes[kScanBlock / 8];
        std::memcpy(lanes, &marks, sizeof lanes);
        for (std::size_t lane = 0; lane < kScanBlock / 8; ++lane) {
            for (std::uint64_t bits = lanes[lane] & 0x8080808080808080ULL; bits != 0;
                 bits &= bits - 1) {
                const std::size_t pos =
                    start + lane * 8 + static_cast<std::size_t>(std::countr_zero(bits)) / 8;
                if (pos >= resume && pos < text_.size()) {
                    resume = visit_(pos);
                }
            }
        }
        return std::max(start + kScanBlock, resume);
    }

    std::string_view text_;
    std::size_t reach_;
    Test test_;
    Visit visit_;
};
