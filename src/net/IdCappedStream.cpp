#include "net/IdCappedStream.h"

#include <algorithm>

std::size_t TIdCappedStream::Read(void*, std::size_t) {
    return 0;
}

std::size_t TIdCappedStream::Write(const void* buffer, std::size_t count) {
    const auto position = static_cast<std::size_t>(position_);
    if (position < limit_) {
        const std::size_t taken = std::min(count, limit_ - position);
        if (kept_.size() < position + taken) {
            kept_.resize(position + taken);
        }
        kept_.replace(position, taken, static_cast<const char*>(buffer), taken);
    }
    position_ += static_cast<std::int64_t>(count);
    size_ = std::max(size_, position_);
    return count;
}

std::int64_t TIdCappedStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == TSeekOrigin::soCurrent) {
        base = position_;
    } else if (origin == TSeekOrigin::soEnd) {
        base = size_;
    }
    position_ = std::max<std::int64_t>(0, base + offset);
    return position_;
}

void TIdCappedStream::SetSize(std::int64_t newSize) {
    size_ = std::max<std::int64_t>(0, newSize);
    position_ = std::min(position_, size_);
}

std::string TIdCappedStream::Text() const {
    return kept_.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(
                               size_, static_cast<std::int64_t>(kept_.size()))));
}
