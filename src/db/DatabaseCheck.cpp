#include "db/DatabaseCheck.h"

#include <algorithm>
#include <optional>

#include "db/BfBlock.h"
#include "db/ExtensionDatabase.h"

namespace {

constexpr std::size_t kBlockSize = 8;
constexpr unsigned kMaxFinalCount = 7;
constexpr std::size_t kRecordSeparators = 3;

DatabaseVerdict Refused(std::string reason) {
    return {false, std::move(reason), 0};
}

DatabaseVerdict TooLarge() {
    return Refused(
        FormatMessage("larger than %lld bytes", static_cast<long long>(kMaxDatabaseBytes)));
}

// Tabs may stand in a description; other control characters mark a text that is no database.
bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

// A line with the four fields of a record; the loader takes shorter lines as well.
bool IsRecord(std::string_view line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ';')) >= kRecordSeparators;
}

// Lines of printable characters, at least one of them a record.
DatabaseVerdict CheckLines(const TStringList& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::any_of(lines[i].begin(), lines[i].end(), IsControl)) {
            return Refused(
                FormatMessage("line %zu of the deciphered text holds a control character", i + 1));
        }
    }
    if (std::none_of(lines.begin(), lines.end(), IsRecord)) {
        return Refused("the deciphered text holds no record");
    }
    return {true, {}, lines.size()};
}

// Whole blocks, and not more of them than any database has: the rules on the enciphered size.
std::optional<DatabaseVerdict> CheckFileSize(std::int64_t size) {
    if (size == 0) {
        return Refused("the file is empty");
    }
    if (size % static_cast<std::int64_t>(kBlockSize) != 0) {
        return Refused(FormatMessage("%zu byte(s) beyond the last whole 8-byte block",
                                     static_cast<std::size_t>(size) % kBlockSize));
    }
    if (size > kMaxDatabaseBytes) {
        return TooLarge();
    }
    return std::nullopt;
}

}  // namespace

DatabaseVerdict CheckDatabase(std::string_view bytes, const CipherKey16& key) {
    if (auto refused = CheckFileSize(static_cast<std::int64_t>(bytes.size()))) {
        return *refused;
    }
    std::string plain(bytes);
    BfApplyMask(BfMaskOf(BfExpandKey(key)), reinterpret_cast<std::uint8_t*>(plain.data()),
                plain.size());
    const auto count = static_cast<unsigned char>(plain.back());
    if (count > kMaxFinalCount) {
        return Refused(FormatMessage("the final block's count is %u, not 0 to 7", count));
    }
    plain.resize(plain.size() - kBlockSize + count);
    // The text as the loader takes it: up to the first zero byte.
    return CheckLines(SplitLines(std::string_view(plain).substr(0, plain.find('\0'))));
}

DatabaseVerdict CheckLoadedDatabase(std::int64_t fileSize, const TStringList& lines) {
    if (auto refused = CheckFileSize(fileSize)) {
        return *refused;
    }
    return CheckLines(lines);
}

DatabaseVerdict CheckDatabase(TStream& file, const CipherKey16& key) {
    const std::int64_t size = file.Size();
    if (size > kMaxDatabaseBytes) {
        return TooLarge();
    }
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(size));
    file.SetPosition(0);
    file.ReadBuffer(bytes.data(), bytes.size());
    return CheckDatabase(bytes, key);
}
