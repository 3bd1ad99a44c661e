#include "platform/BoundedStream.h"

EStreamTooLarge::EStreamTooLarge(std::int64_t limit)
    : EStreamError(
          FormatMessage("larger than the limit of %lld bytes", static_cast<long long>(limit))),
      limit_(limit) {}

std::size_t TBoundedStream::Read(void* buffer, std::size_t count) {
    return target_.Read(buffer, count);
}

std::size_t TBoundedStream::Write(const void* buffer, std::size_t count) {
    if (static_cast<std::int64_t>(count) > limit_ - target_.Position()) {
        throw EStreamTooLarge(limit_);
    }
    return target_.Write(buffer, count);
}

std::int64_t TBoundedStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    return target_.Seek(offset, origin);
}

void TBoundedStream::SetSize(std::int64_t newSize) {
    if (newSize > limit_) {
        throw EStreamTooLarge(limit_);
    }
    target_.SetSize(newSize);
}
