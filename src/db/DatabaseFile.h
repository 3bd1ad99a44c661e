#pragma once

#include <optional>
#include <string>

#include "platform/ProductSite.h"

// Where the extension database lives. The window, the update and the command-line tools all
// ask here, so they always agree on which file is meant. An installed program sits in a
// folder its users may not write, so each user may keep an updated copy of their own.

// The database file in `folder` (a folder name with its trailing "/").
std::string DatabaseFileIn(const std::string& folder);

// The user's own database folder, with its trailing "/": "lumbrafix/" in the user's data
// folder ("$XDG_DATA_HOME", else "~/.local/share").
std::string UserDatabaseFolder();

// The database file the program reads when it runs from `programFolder` (with its trailing
// "/"): the user's copy when it is a file written later than the one in the program folder,
// otherwise the one in the program folder, even when that is missing.
std::string DatabaseFileToRead(const std::string& programFolder);

// The folder an update writes the database into: the program folder when this process may
// create files there, otherwise the user's database folder, created as needed. Nothing when
// neither can be written.
std::optional<std::string> DatabaseFolderToWrite(const std::string& programFolder);
