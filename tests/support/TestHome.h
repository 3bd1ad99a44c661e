#pragma once

#include <cstdlib>
#include <string>

// Run by each test program before its first test: the per-user settings, the user's data
// folder and the machine-wide settings all go to a folder of the build tree, so that a test
// that forgets to choose its own folders still leaves the real ones alone.
inline void KeepSettingsInTestHome() {
    const std::string home = LUMBRAFIX_TEST_HOME;
    ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    ::setenv("LUMBRAFIX_MACHINE_DIR", (home + "/machine").c_str(), 1);
}
