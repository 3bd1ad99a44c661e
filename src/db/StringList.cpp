#include "db/StringList.h"

#include "db/ByteScan.h"

TStringList::TStringList(std::unique_ptr<char[]> buffer, std::size_t length)
    : buffer_(std::move(buffer)), length_(length) {
    Split();
}

void TStringList::clear() {
    *this = TStringList();
}

// One pass over the text, in which each line end is marked once: at its LF, or at a CR that no
// LF follows. A line ends before its mark, and before the CR in front of an LF that belongs
// to it.
void TStringList::Split() {
    const std::string_view text = Text();
    const char* const data = text.data();
    const TByteBlock cr = SplatByte('\r');
    const TByteBlock lf = SplatByte('\n');
    const auto lineEnds = [&](const char* bytes) {
        const TByteBlock block = LoadBlock(bytes);
        return static_cast<TByteBlock>((block == lf) |
                                       ((block == cr) & (LoadBlock(bytes + 1) != lf)));
    };
    std::size_t lineStart = 0;
    const auto endLine = [&](std::size_t mark) {
        const bool crBefore = data[mark] == '\n' && mark > lineStart && data[mark - 1] == '\r';
        lines_.emplace_back(data + lineStart, mark - lineStart - (crBefore ? 1 : 0));
        lineStart = mark + 1;
        return lineStart;
    };
    TBlockScan(text, 1, lineEnds, endLine).Run();
    if (lineStart < text.size()) {
        lines_.emplace_back(data + lineStart, text.size() - lineStart);
    }
}
