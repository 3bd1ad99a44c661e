#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The on-disk form of one registry value: a header line with the type tag and the number of
// data bytes ("REG_SZ 7"), the data, and a closing line feed. A person can read it, and a
// file that was cut short or altered no longer matches its header.

struct TRegistryValue {
    std::string type;  // "REG_SZ", "REG_EXPAND_SZ", "REG_DWORD", ...
    std::string data;
};

std::string FormatValueFile(const TRegistryValue& value);

// The value a file holds; nothing for a file that is damaged in any way (unknown type tag,
// length that doesn't match, missing line feed).
std::optional<TRegistryValue> ParseValueFile(std::string_view contents);

// Reads a value file; nothing when it is missing, unreadable, oversized or damaged.
std::optional<TRegistryValue> ReadValueFile(const std::filesystem::path& path);

// Writes the file under a temporary name in the same folder, flushes it to disk and renames it
// into place, so that a crash leaves either the old or the new value. False on any failure,
// with nothing left behind.
bool WriteValueFile(const std::filesystem::path& path, const TRegistryValue& value);
