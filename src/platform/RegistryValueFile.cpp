#include "platform/RegistryValueFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kKnownTypes[] = {
    "REG_NONE",  "REG_SZ",   "REG_EXPAND_SZ",        "REG_BINARY",
    "REG_DWORD", "REG_LINK", "REG_DWORD_BIG_ENDIAN", "REG_MULTI_SZ",
    "REG_QWORD",
};

// Settings values are a few bytes; anything far larger is not one of ours.
constexpr std::uintmax_t kMaxValueFileSize = 1 << 20;

bool IsKnownType(std::string_view tag) {
    return std::find(std::begin(kKnownTypes), std::end(kKnownTypes), tag) != std::end(kKnownTypes);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string FormatValueFile(const TRegistryValue& value) {
    return value.type + ' ' + std::to_string(value.data.size()) + '\n' + value.data + '\n';
}

std::optional<TRegistryValue> ParseValueFile(std::string_view contents) {
    const std::size_t headerEnd = contents.find('\n');
    const std::size_t blank = contents.substr(0, headerEnd).find(' ');
    if (headerEnd == std::string_view::npos || blank == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view tag = contents.substr(0, blank);
    const std::string_view count = contents.substr(blank + 1, headerEnd - blank - 1);
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), length);
    const std::string_view rest = contents.substr(headerEnd + 1);
    if (!IsKnownType(tag) || error != std::errc() || end != count.data() + count.size() ||
        count.empty() || rest.size() != length + 1 || rest.back() != '\n') {
        return std::nullopt;
    }
    return TRegistryValue{std::string(tag), std::string(rest.substr(0, length))};
}

std::optional<TRegistryValue> ReadValueFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) > kMaxValueFileSize || error) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(file),
                               std::istreambuf_iterator<char>()};
    if (!file.good() && !file.eof()) {
        return std::nullopt;
    }
    return ParseValueFile(contents);
}

bool WriteValueFile(const std::filesystem::path& path, const TRegistryValue& value) {
    std::string temporary = (path.parent_path() / ".tmp-XXXXXX").string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool written =
        ::fchmod(fd, 0644) == 0 && WriteAll(fd, FormatValueFile(value)) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(path.parent_path());
    return true;
}
