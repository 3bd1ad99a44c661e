#include "platform/LargeBuffer.h"

#include <sys/mman.h>

#include <new>

namespace {

// The large page of x86-64 and of most 64-bit ARM systems.
constexpr std::size_t kLargePage = std::size_t{2} << 20;

void* AllocateOnLargePages(std::size_t size) {
    // The last page is taken whole: a part of one would come in small pages.
    const std::size_t rounded = (size + kLargePage - 1) / kLargePage * kLargePage;
    void* bytes = std::aligned_alloc(kLargePage, rounded);
#ifdef MADV_HUGEPAGE
    if (bytes != nullptr) {
        ::madvise(bytes, rounded, MADV_HUGEPAGE);  // only advice: small pages work as well
    }
#endif
    return bytes;
}

}  // namespace

TLargeBuffer AllocateLargeBuffer(std::size_t size) {
    void* bytes =
        size < kLargePage ? std::malloc(size == 0 ? 1 : size) : AllocateOnLargePages(size);
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
    return TLargeBuffer(static_cast<char*>(bytes));
}
