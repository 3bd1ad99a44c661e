#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

// Writes `bytes` under a temporary name in the file's folder (".tmp-" and six characters),
// flushes it to disk, gives it `mode` and renames it into place, so that a crash leaves either
// the old or the new file, never a part of one. False on any failure, with nothing left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, mode_t mode);
