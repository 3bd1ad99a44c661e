#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The input side of a connection: bytes received and not yet consumed. Consuming only moves
// an offset; the unconsumed rest moves to the front once 32768 bytes have been consumed, so
// that reading in small steps does not move the bytes every time.
class TIdBuffer {
public:
    static constexpr std::size_t kCompactAfter = 32768;

    std::size_t Size() const { return end_ - start_; }
    const std::uint8_t* Data() const { return bytes_.data() + start_; }
    std::string_view View() const;

    // Room for count more bytes at the end; Commit then takes the bytes actually written.
    std::uint8_t* Reserve(std::size_t count);
    void Commit(std::size_t count);
    void Append(const void* bytes, std::size_t count);

    void Consume(std::size_t count);
    void Clear();

    // Offset of the first occurrence of text at or after from, or npos.
    std::size_t Find(std::string_view text, std::size_t from) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
};
