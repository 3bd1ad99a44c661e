#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Streams.h"

// Raised when a stream would grow past its limit; nothing beyond the limit has been written.
class EStreamTooLarge : public EStreamError {
public:
    explicit EStreamTooLarge(std::int64_t limit);
    std::int64_t Limit() const { return limit_; }

private:
    std::int64_t limit_;
};

// Passes everything through to another stream but refuses to let it grow past `limit` bytes,
// whether by writing or by setting its size ahead, so that a body from the network cannot
// fill the disk.
class TBoundedStream : public TStream {
public:
    TBoundedStream(TStream& target, std::int64_t limit) : target_(target), limit_(limit) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t newSize) override;

private:
    TStream& target_;
    std::int64_t limit_;
};
