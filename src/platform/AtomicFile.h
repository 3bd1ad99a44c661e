#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

// Writes `bytes` with ReplaceFile, so that a crash leaves either the old or the new file, never
// a part of one, and gives the file `mode`. False on any failure, with nothing left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, mode_t mode);
