#include "db/TermScan.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "db/AsciiFold.h"
#include "db/ByteScan.h"

namespace {

constexpr bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

TByteBlock LineEndsIn(const char* bytes) {
    const TByteBlock block = LoadBlock(bytes);
    return static_cast<TByteBlock>((block == SplatByte('\r')) | (block == SplatByte('\n')));
}

TByteBlock SeparatorsIn(const char* bytes) {
    return static_cast<TByteBlock>(LoadBlock(bytes) == SplatByte(';'));
}

TByteBlock StopsIn(const char* bytes) {
    return static_cast<TByteBlock>(LineEndsIn(bytes) | SeparatorsIn(bytes));
}

// One byte of a folded term as the text may hold it: a letter in either case, any other byte
// only as it is. Setting bit 5 of a text byte maps exactly A-Z and a-z onto a-z.
struct TWantedByte {
    explicit TWantedByte(char folded)
        : caseBit(IsUpper(folded) ? 0x20 : 0),
          byte(static_cast<unsigned char>(static_cast<unsigned char>(folded) | caseBit)) {}
    static bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

    unsigned char caseBit;
    unsigned char byte;
};

// The same byte tested at 16 positions at once.
class TByteTest {
public:
    explicit TByteTest(TWantedByte wanted)
        : caseBit_(SplatByte(wanted.caseBit)), wanted_(SplatByte(wanted.byte)) {}
    TByteBlock At(const char* bytes) const {
        return static_cast<TByteBlock>((LoadBlock(bytes) | caseBit_) == wanted_);
    }

private:
    TByteBlock caseBit_;
    TByteBlock wanted_;
};

// Where a term's first, middle and last bytes are looked for: candidates are the positions
// where all three stand.
struct TTermProbe {
    static constexpr std::size_t kBytes = 3;
    TWantedByte bytes[kBytes];
    std::size_t offsets[kBytes];
};

#if defined(__x86_64__) || defined(__i386__)
// The skip over strides without a candidate, 32 positions at a time with AVX2, on the
// machines that have it.
__attribute__((target("avx2"))) std::size_t SkipWide(const char* text, std::size_t pos,
                                                     std::size_t limit, const TTermProbe& probe) {
    using TWideBlock = unsigned char __attribute__((vector_size(32)));
    TWideBlock caseBits[TTermProbe::kBytes];
    TWideBlock wanted[TTermProbe::kBytes];
    for (std::size_t i = 0; i < TTermProbe::kBytes; ++i) {
        caseBits[i] = TWideBlock{} + probe.bytes[i].caseBit;
        wanted[i] = TWideBlock{} + probe.bytes[i].byte;
    }
    for (; pos + kScanStride <= limit; pos += kScanStride) {
        TWideBlock any{};
        for (std::size_t half = 0; half < kScanStride; half += sizeof(TWideBlock)) {
            TWideBlock all = ~TWideBlock{};
            for (std::size_t i = 0; i < TTermProbe::kBytes; ++i) {
                TWideBlock block;
                std::memcpy(&block, text + pos + half + probe.offsets[i], sizeof block);
                all &= static_cast<TWideBlock>((block | caseBits[i]) == wanted[i]);
            }
            any |= all;
        }
        __m256i marks;
        std::memcpy(&marks, &any, sizeof marks);
        if (!_mm256_testz_si256(marks, marks)) {
            break;
        }
    }
    return pos;
}

bool HasWideScan() {
    return __builtin_cpu_supports("avx2");
}
#else
std::size_t SkipWide(const char*, std::size_t pos, std::size_t, const TTermProbe&) {
    return pos;
}

bool HasWideScan() {
    return false;
}
#endif

bool EqualsFolded(std::string_view text, std::string_view folded) {
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (FoldAscii(static_cast<unsigned char>(text[i])) !=
            static_cast<unsigned char>(folded[i])) {
            return false;
        }
    }
    return true;
}

// Decides for each occurrence of the term whether it lies in the wanted field of its line.
// Occurrences come in text order; what is known about the line up to the last one is kept,
// so no byte of a line is walked through more than twice, however long the line.
class TFieldCheck {
public:
    TFieldCheck(std::string_view text, std::size_t termSize, int field)
        : text_(text), termSize_(termSize), field_(field) {}

    // Handles an occurrence at pos; returns where the scan goes on.
    std::size_t Occurrence(std::size_t pos) {
        LearnLineUpTo(pos);
        const std::size_t after = pos + termSize_;
        if (fieldAt_ < field_) {
            // Not the last field: no later occurrence in this field can be in the wanted one.
            const std::size_t stop = StopFrom(after);
            if (stop < text_.size() && text_[stop] == ';') {
                return stop + 1;
            }
        }
        const std::size_t end = LineEndFrom(after);
        if (fieldAt_ <= field_) {
            hits_.push_back(text_.substr(lineStart_, end - lineStart_));
        }
        return end;
    }

    std::vector<std::string_view> TakeHits() { return std::move(hits_); }

private:
    // Walks back from pos, a block at a time, to the line's start, or to the last occurrence
    // when it lies in the same line, counting the field separators on the way.
    void LearnLineUpTo(std::size_t pos) {
        int separators = 0;
        std::size_t start = known_;
        for (std::size_t to = pos; to > known_;) {
            const std::size_t count = std::min(kScanBlock, to - known_);
            const TPaddedBlock block(text_.data() + to - count, count);
            const std::uint64_t ends = MarkBits(LineEndsIn(block.Bytes()));
            const int behindEnd = ends == 0 ? 0 : 64 - std::countl_zero(ends);
            separators += CountMarks(MarkBits(SeparatorsIn(block.Bytes())) >> behindEnd);
            if (ends != 0) {
                start = to - count + static_cast<std::size_t>(behindEnd);
                break;
            }
            to -= count;
        }
        if (start > known_ || (known_ > 0 && IsLineEnd(text_[known_ - 1]))) {
            lineStart_ = start;
            fieldAt_ = 1 + separators;
        } else {
            fieldAt_ += separators;
        }
        known_ = pos;
    }

    // The next field separator or line end from pos on, or the text's size.
    std::size_t StopFrom(std::size_t pos) const {
        return FirstMarked(text_.data(), pos, text_.size(), StopsIn);
    }

    std::size_t LineEndFrom(std::size_t pos) const {
        return FirstMarked(text_.data(), pos, text_.size(), LineEndsIn);
    }

    std::string_view text_;
    std::size_t termSize_;
    int field_;
    std::size_t known_ = 0;      // the bytes before this position have been accounted for
    std::size_t lineStart_ = 0;  // the start of the line that holds known_
    int fieldAt_ = 1;            // the field that known_ lies in
    std::vector<std::string_view> hits_;
};

}  // namespace

std::vector<std::string_view> LinesWithTermInField(std::string_view text,
                                                   std::string_view foldedTerm, int field,
                                                   TScanWidth width) {
    // No field holds a separator or a line end, so such a term is found nowhere.
    if (foldedTerm.find_first_of(";\r\n") != std::string_view::npos) {
        return {};
    }
    // Candidates are the positions where the first, middle and last byte of the term stand.
    const std::size_t last = foldedTerm.size() - 1;
    const std::size_t middle = last / 2 + last % 2;
    const TTermProbe probe{{TWantedByte(foldedTerm.front()), TWantedByte(foldedTerm[middle]),
                            TWantedByte(foldedTerm.back())},
                           {0, middle, last}};
    const TByteTest first(probe.bytes[0]);
    const TByteTest centre(probe.bytes[1]);
    const TByteTest final(probe.bytes[2]);
    TFieldCheck check(text, foldedTerm.size(), field);
    const auto candidates = [&](const char* bytes) {
        return first.At(bytes) & centre.At(bytes + middle) & final.At(bytes + last);
    };
    const auto visit = [&](std::size_t pos) {
        if (pos + foldedTerm.size() > text.size() || !EqualsFolded(text.substr(pos), foldedTerm)) {
            return pos + 1;
        }
        return check.Occurrence(pos);
    };
    if (width == TScanWidth::kWidest && HasWideScan()) {
        const auto skip = [&](const char* bytes, std::size_t pos, std::size_t limit) {
            return SkipWide(bytes, pos, limit, probe);
        };
        TBlockScan(text, last, candidates, visit, skip).Run();
    } else {
        TBlockScan(text, last, candidates, visit).Run();
    }
    return check.TakeHits();
}
