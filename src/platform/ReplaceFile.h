#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

#include "platform/Streams.h"

// Writes a file through a temporary file beside it, which is renamed over `path` only after
// `produce` has written everything and it is flushed to the disk, so a crash finds either the
// old or the whole new file. Whatever fails, `path` stays as it was and the temporary file is
// removed.
//
// The temporary file gets a fresh random name, "<path>.tmp.<pid>.<random>", and is created
// exclusively, so no file or link that is already there is ever followed or reused. The new
// file keeps the permissions of the file it replaces; a file that is new gets `mode` less the
// umask. Temporary files of `path` left by a process that has ended (an update killed halfway)
// are removed first.

// The steps of a replacement, in order. A test hook runs before each, with the temporary
// file's name (before Create: the name about to be tried), and may raise.
enum class TReplaceStep { Create, Produce, Permissions, Flush, Rename };
using TReplaceStepHook = std::function<void(TReplaceStep step, const std::string& temporary)>;

void ReplaceFile(const std::string& path, const std::function<void(TStream&)>& produce,
                 mode_t mode = 0644, const TReplaceStepHook& beforeStep = {});
