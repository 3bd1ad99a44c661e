#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// One bit per byte of a block of 0x00 and 0xFF bytes, byte i giving bit i: the top bit of each
// byte, gathered into the top byte by one multiplication per half. Any machine runs this.
inline std::uint64_t PortableMarkBits(TByteBlock marks) {
    std::uint64_t halves[kScanBlock / sizeof(std::uint64_t)];
    std::memcpy(halves, &marks, sizeof halves);
    constexpr std::uint64_t kTopBits = 0x8080808080808080ULL;
    constexpr std::uint64_t kGather = 0x0002040810204081ULL;
    return ((halves[0] & kTopBits) * kGather) >> 56 | (((halves[1] & kTopBits) * kGather) >> 56)
                                                          << 8;
}

// The same bits; x86-64 always has the one instruction that gathers them.
inline std::uint64_t MarkBits(TByteBlock marks) {
#ifdef __SSE2__
    return static_cast<std::uint32_t>(_mm_movemask_epi8(std::bit_cast<__m128i>(marks)));
#else
    return PortableMarkBits(marks);
#endif
}

// How many of MarkBits' 16 bits are set. std::popcount would be a library call on machines
// that are not known to count bits in one instruction, as x86-64 in general is not.
inline int CountMarks(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555;
    bits = (bits & 0x3333) + ((bits >> 2) & 0x3333);
    bits = (bits + (bits >> 4)) & 0x0F0F;
    return static_cast<int>((bits + (bits >> 8)) & 0x1F);
}

inline TByteBlock SplatByte(unsigned char byte) {
    return TByteBlock{} + byte;
}

// A block of at most 16 bytes from `bytes` on, zero-padded behind `count` when it is shorter;
// the tests used with it never mark a zero byte.
class TPaddedBlock {
public:
    TPaddedBlock(const char* bytes, std::size_t count) : bytes_(bytes) {
        if (count < kScanBlock) {
            std::memcpy(copy_, bytes, count);
            bytes_ = copy_;
        }
    }
    const char* Bytes() const { return bytes_; }

private:
    char copy_[kScanBlock] = {};
    const char* bytes_;
};

// The first position in [from, to) whose byte `test` marks, or `to`.
template <typename Test>
std::size_t FirstMarked(const char* text, std::size_t from, std::size_t to, Test test) {
    for (; from < to; from += kScanBlock) {
        const std::size_t count = std::min(kScanBlock, to - from);
        if (const std::uint64_t bits = MarkBits(test(TPaddedBlock(text + from, count).Bytes()))) {
            return from + static_cast<std::size_t>(std::countr_zero(bits));
        }
    }
    return to;
}

// The scan goes in strides of four blocks.
constexpr std::size_t kScanStride = 4 * kScanBlock;

// A skip that leaves every stride to the block test.
struct TNoSkip {
    std::size_t operator()(const char*, std::size_t pos, std::size_t) const { return pos; }
};

// Runs `visit` for each marked position of a text from the lowest to the highest. `test(p)`
// marks, with 0xFF bytes, which of the 16 positions from p on are candidates; it may read up
// to `reach` bytes behind the block. `visit(pos)` returns the position to go on from, greater
// than pos, or the text's size to stop. The text's last bytes are tested with zeros behind
// them, so a test that marks zero bytes has `visit` called for positions past the end too.
// `skip(text, pos, limit)` may pass over strides faster than the test: it returns the first of
// pos, pos + kScanStride, ... whose stride may hold a mark, or the first whose stride would
// read at `limit` or behind it.
template <typename Test, typename Visit, typename Skip = TNoSkip>
class TBlockScan {
    static constexpr std::size_t kStride = kScanStride;

public:
    TBlockScan(std::string_view text, std::size_t reach, Test test, Visit visit, Skip skip = {})
        : text_(text), reach_(reach), test_(test), visit_(visit), skip_(skip) {}

    void Run() {
        std::size_t pos = 0;
        while (pos + kStride + reach_ <= text_.size()) {
            pos = skip_(text_.data(), pos, text_.size() - reach_);
            if (pos + kStride + reach_ > text_.size()) {
                break;
            }
            const std::uint64_t bits = StrideBits(text_.data() + pos);
            pos = bits == 0 ? pos + kStride : VisitMarks(bits, pos, pos);
        }
        // The last bytes go through a zero-padded copy, so the test reads the same way there.
        if (pos < text_.size()) {
            std::vector<char> tail(text_.size() - pos + kStride + reach_, '\0');
            std::copy(text_.begin() + static_cast<std::ptrdiff_t>(pos), text_.end(), tail.begin());
            const std::size_t offset = pos;
            while (pos < text_.size()) {
                pos = VisitMarks(StrideBits(tail.data() + (pos - offset)), pos, pos);
            }
        }
    }

private:
    // The marks of the 64 positions from bytes on, one bit each.
    // Most strides hold no mark at all, which one test of the four blocks together tells.
    std::uint64_t StrideBits(const char* bytes) const {
        const TByteBlock marks[] = {test_(bytes), test_(bytes + kScanBlock),
                                    test_(bytes + 2 * kScanBlock), test_(bytes + 3 * kScanBlock)};
        std::uint64_t any[2];
        const TByteBlock all = (marks[0] | marks[1]) | (marks[2] | marks[3]);
        std::memcpy(any, &all, sizeof any);
        if ((any[0] | any[1]) == 0) {
            return 0;
        }
        std::uint64_t bits = 0;
        for (std::size_t block = 0; block < 4; ++block) {
            bits |= MarkBits(marks[block]) << (block * kScanBlock);
        }
        return bits;
    }

    // Visits the marked positions from `start` on that lie at or after `resume`, and returns
    // where the next stride begins.
    std::size_t VisitMarks(std::uint64_t bits, std::size_t start, std::size_t resume) {
        for (; bits != 0; bits &= bits - 1) {
            const std::size_t pos = start + static_cast<std::size_t>(std::countr_zero(bits));
            if (pos >= resume) {
                resume = visit_(pos);
            }
        }
        return std::max(start + kStride, resume);
    }

    std::string_view text_;
    std::size_t reach_;
    Test test_;
    Visit visit_;
    Skip skip_;
};
