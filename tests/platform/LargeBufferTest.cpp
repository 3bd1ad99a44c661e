#include <gtest/gtest.h>

#include <cstring>

#include "platform/LargeBuffer.h"

// Faults (seen under the address sanitizer): a buffer shorter than asked for at a large page's
// edge, or a size of zero that gives no buffer.
TEST(AllocateLargeBuffer, HoldsEveryByteAskedFor) {
    constexpr std::size_t kLargePage = std::size_t{2} << 20;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, kLargePage - 1, kLargePage,
                                   kLargePage + 1, 5 * kLargePage - 1}) {
        const TLargeBuffer buffer = AllocateLargeBuffer(size);
        ASSERT_NE(buffer, nullptr) << size;
        std::memset(buffer.get(), 'x', size);
    }
}
