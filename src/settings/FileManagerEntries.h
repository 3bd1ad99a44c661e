#pragma once

#include <string>

// The entries that offer "Look up extension in Lumbrafix" on every file in the user's file
// managers: a KDE service menu (Dolphin, Konqueror) and a Nautilus script. Each starts
// `programPath FILE`. Every file we write carries a marker line, and only files with it are
// ever replaced or removed, so a file of the user's own under the same name stays untouched.

// Writes the entries for the program at `programPath`, with the menu wording in the language
// of `languageBase` (the KDE entry carries both), replacing earlier ones of ours, also those in
// the other language. Entries that cannot be written are passed over.
void WriteFileManagerEntries(const std::string& programPath, int languageBase);

// Removes every entry of ours, in either language, and nothing else.
void RemoveFileManagerEntries();
