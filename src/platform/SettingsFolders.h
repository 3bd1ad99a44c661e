#pragma once

#include <filesystem>

// Where the program keeps what it remembers between runs, and where it puts the entries of the
// user's file managers.

// The per-user settings: "$XDG_CONFIG_HOME/lumbrafix", else "~/.config/lumbrafix".
std::filesystem::path UserSettingsFolder();

// The user's data folder: "$XDG_DATA_HOME", else "~/.local/share".
std::filesystem::path UserDataFolder();

// The machine-wide settings shared by all users. In order: the folder named by the environment
// variable LUMBRAFIX_MACHINE_DIR; the build tree's own folder when the program runs from its
// build tree; the folder chosen when the program was built (by default /var/lib/lumbrafix).
std::filesystem::path MachineSettingsFolder();
