#include "db/StringList.h"

#include "db/ByteScan.h"

TStringList::TStringList(TPlainText text) : text_(std::move(text)), lines_(LineViewsOf(Text())) {}

void TStringList::clear() {
    *this = TStringList();
}

// One pass over the text, in which each line end is marked once: at its LF, or at a CR that no
// LF follows. A line ends before its mark, and before the CR in front of an LF that belongs
// to it.
std::vector<std::string_view> LineViewsOf(std::string_view text) {
    std::vector<std::string_view> lines;
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
        lines.emplace_back(data + lineStart, mark - lineStart - (crBefore ? 1 : 0));
        lineStart = mark + 1;
        return lineStart;
    };
    TBlockScan(text, 1, lineEnds, endLine).Run();
    if (lineStart < text.size()) {
        lines.emplace_back(data + lineStart, text.size() - lineStart);
    }
    return lines;
}
