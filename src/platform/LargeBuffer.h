#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

// Room for a large text, such as the whole deciphered database, released with the buffer.
struct TFreeBytes {
    void operator()(char* bytes) const { std::free(bytes); }
};
using TLargeBuffer = std::unique_ptr<char[], TFreeBytes>;

// `size` bytes, not initialised. Where the system offers large memory pages, a buffer of two
// megabytes or more lies on them: filling it then takes a few page faults instead of one for
// every 4 KB, which in a short-lived program costs more than the filling itself. Raises
// std::bad_alloc when there is no room.
TLargeBuffer AllocateLargeBuffer(std::size_t size);
