#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

#include "platform/Streams.h"

// Writes a file through a temporary file beside it, which is renamed over `path` only after
// `produce` has written everything. When `produce` raises, the temporary file is removed and
// `path` stays as it was, so a failed run never leaves a half-written file. The new file is
// flushed to the disk before the rename, so a crash right after it finds the whole file.
// The new file gets the permissions `mode`.
void ReplaceFile(const std::string& path, const std::function<void(TStream&)>& produce,
                 mode_t mode = 0644);
