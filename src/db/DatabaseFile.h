#pragma once

#include <filesystem>
#include <optional>

#include "platform/ProductSite.h"

// Where the extension database lives. The window, the update and the command-line tools all
// ask here, so they always agree on which file is meant. An installed program sits in a
// folder its users may not write, so each user may keep an updated copy of their own.

// The database file in `folder`.
std::filesystem::path DatabaseFileIn(const std::filesystem::path& folder);

// The user's own database folder: "lumbrafix" in the user's data folder ("$XDG_DATA_HOME",
// else "~/.local/share").
std::filesystem::path UserDatabaseFolder();

// The database file the program reads when it runs from `programFolder`: the user's copy when
// it is a file written later than the one in the program folder, otherwise the one in the
// program folder, even when that is missing.
std::filesystem::path DatabaseFileToRead(const std::filesystem::path& programFolder);

// The folder an update writes the database into: the program folder when this process may
// create files there, otherwise the user's database folder, created as needed. Nothing when
// neither can be written.
std::optional<std::filesystem::path> DatabaseFolderToWrite(
    const std::filesystem::path& programFolder);

// A folder as the program's messages show it: with its trailing "/".
std::string ShownFolder(const std::filesystem::path& folder);
