#pragma once

#include <cstdlib>
#include <string>

// Points the per-user settings, the user's data folder and the machine-wide settings at
// "config", "data" and "machine" below `home`.
inline void PointSettingsAt(const std::string& home) {
    ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    ::setenv("LUMBRAFIX_MACHINE_DIR", (home + "/machine").c_str(), 1);
}

// Run by each test program before its first test, so that a test that does not choose folders
// of its own still leaves the real ones alone: they all lie in a folder of the build tree.
inline void KeepSettingsInTestHome() {
    PointSettingsAt(LUMBRAFIX_TEST_HOME);
}
