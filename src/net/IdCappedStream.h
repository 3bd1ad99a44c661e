#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Streams.h"

// A write-only stream that keeps at most the first `limit` bytes written to it and drops the
// rest while counting it, so that a body a server sends along with an error or a redirect can
// be read to its end without holding more than the limit in memory.
class TIdCappedStream : public TStream {
public:
    explicit TIdCappedStream(std::size_t limit) : limit_(limit) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t newSize) override;

    // The kept bytes up to the stream's size.
    std::string Text() const;

private:
    std::size_t limit_;
    std::string kept_;
    std::int64_t position_ = 0;
    std::int64_t size_ = 0;
};
