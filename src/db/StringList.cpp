#include "db/StringList.h"

#include <utility>

#include "db/ByteScan.h"

TStringList::TStringList(std::unique_ptr<char[]> buffer, std::size_t length)
    : buffer_(std::move(buffer)), length_(length) {
    Split();
}

TStringList::TStringList(TStringList&& other) noexcept
    : buffer_(std::move(other.buffer_)),
      length_(std::exchange(other.length_, 0)),
      lines_(std::move(other.lines_)) {
    other.lines_.clear();
}

TStringList& TStringList::operator=(TStringList&& other) noexcept {
    buffer_ = std::move(other.buffer_);
    length_ = std::exchange(other.length_, 0);
    lines_ = std::move(other.lines_);
    other.lines_.clear();
    return *this;
}

void TStringList::clear() {
    lines_.clear();
    buffer_.reset();
    length_ = 0;
}

// One pass over the text for CR and LF together. A line runs up to the next of them; then one
// CR and one LF behind it are skipped, so line ends that were skipped are passed over here.
void TStringList::Split() {
    const std::string_view text = Text();
    const char* const data = text.data();
    const TByteBlock cr = SplatByte('\r');
    const TByteBlock lf = SplatByte('\n');
    std::size_t lineStart = 0;
    const auto lineEnds = [&](const char* bytes) {
        const TByteBlock block = LoadBlock(bytes);
        return static_cast<TByteBlock>((block == cr) | (block == lf));
    };
    const auto endLine = [&](std::size_t end) {
        if (end < lineStart) {
            return lineStart;
        }
        lines_.emplace_back(data + lineStart, end - lineStart);
        lineStart = end + 1;
        if (data[end] == '\r' && lineStart < text.size() && data[lineStart] == '\n') {
            ++lineStart;
        }
        return end + 1;
    };
    TBlockScan(text, 0, lineEnds, endLine).Run();
    if (lineStart < text.size()) {
        lines_.emplace_back(data + lineStart, text.size() - lineStart);
    }
}
