#include "net/IdBuffer.h"

#include <cassert>
#include <cstring>

std::string_view TIdBuffer::View() const {
    return {reinterpret_cast<const char*>(Data()), Size()};
}

std::uint8_t* TIdBuffer::Reserve(std::size_t count) {
    if (bytes_.size() < end_ + count) {
        bytes_.resize(end_ + count);
    }
    return bytes_.data() + end_;
}

void TIdBuffer::Commit(std::size_t count) {
    assert(end_ + count <= bytes_.size());
    end_ += count;
}

void TIdBuffer::Append(const void* bytes, std::size_t count) {
    std::memcpy(Reserve(count), bytes, count);
    Commit(count);
}

void TIdBuffer::Consume(std::size_t count) {
    assert(count <= Size());
    start_ += count;
    if (start_ == end_) {
        Clear();
    } else if (start_ >= kCompactAfter) {
        std::memmove(bytes_.data(), Data(), Size());
        end_ -= start_;
        start_ = 0;
    }
}

void TIdBuffer::Clear() {
    start_ = 0;
    end_ = 0;
}

std::size_t TIdBuffer::Find(std::string_view text, std::size_t from) const {
    return View().find(text, from);
}
