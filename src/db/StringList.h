#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/LargeBuffer.h"

// A text in a buffer of its own, such as the deciphered database before its split into lines.
struct TPlainText {
    TLargeBuffer bytes;
    std::size_t length = 0;  // the text is the first `length` bytes of `bytes`

    std::string_view View() const { return bytes ? std::string_view(bytes.get(), length) : ""; }
};

// The extension database in memory: the plain text in one buffer and a view per line into it,
// in file order, with duplicates and empty lines kept. Splitting: CR LF, a lone LF and a lone
// CR each end one line; a line end at the very end adds no empty line after it; an empty text
// gives no line. The views stay valid when the list is moved, and until it is cleared.
class TStringList {
public:
    using value_type = std::string_view;
    using const_iterator = std::vector<std::string_view>::const_iterator;
    using iterator = const_iterator;

    TStringList() = default;
    // Takes over the text and splits it into lines.
    explicit TStringList(TPlainText text);
    // Moving keeps the views valid: the text stays where it is. A moved-from list is empty.
    TStringList(TStringList&&) noexcept = default;
    TStringList& operator=(TStringList&&) noexcept = default;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;
    ~TStringList() = default;

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t index) const { return lines_[index]; }
    const_iterator begin() const { return lines_.begin(); }
    const_iterator end() const { return lines_.end(); }
    void clear();

    // The whole text, line ends included: every line is a view into it.
    std::string_view Text() const { return text_.View(); }

private:
    TPlainText text_;
    std::vector<std::string_view> lines_;
};

// The lines of `text` by the rule above, as views into it.
std::vector<std::string_view> LineViewsOf(std::string_view text);
