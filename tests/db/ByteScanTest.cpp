#include <gtest/gtest.h>

#include "db/ByteScan.h"

// Faults: a byte's mark on the wrong bit, the second half of the block lost or shifted, the
// machine's gathering and the portable one disagreeing; marks miscounted.
TEST(MarkBits, ByteIGivesBitIOnEveryPath) {
    const std::uint64_t patterns[] = {0x0000, 0x0001, 0x0080, 0x0100, 0x8000,
                                      0xFFFF, 0xA5C3, 0x7FFE, 0x1248};
    for (const std::uint64_t bits : patterns) {
        TByteBlock marks{};
        for (std::size_t i = 0; i < kScanBlock; ++i) {
            marks[i] = (bits >> i & 1) != 0 ? 0xFF : 0x00;
        }
        EXPECT_EQ(MarkBits(marks), bits) << std::hex << bits;
        EXPECT_EQ(PortableMarkBits(marks), bits) << std::hex << bits;
        EXPECT_EQ(CountMarks(bits), std::popcount(bits)) << std::hex << bits;
    }
}
