#pragma once

#include <filesystem>
#include <future>
#include <optional>

#include "db/StringList.h"

// The start-up load of the database file. It runs on a thread of its own, so that the file is
// read, deciphered and checked on the second core while the window is built on the first, and
// the window waits only for what is left of it.

// The lines of the database file at `path`: nothing when there is no such file, no lines for
// bytes that decipher to no database (a web page, a damaged file). Raises what reading and
// deciphering raise (ECipherException, a stream error, running out of memory).
std::optional<TStringList> LoadDatabaseFile(const std::filesystem::path& path);

// Starts LoadDatabaseFile on a thread of its own; the result, or what it raised, is waited for
// through the future, whose end also waits for the thread.
std::future<std::optional<TStringList>> StartDatabaseLoad(std::filesystem::path path);
