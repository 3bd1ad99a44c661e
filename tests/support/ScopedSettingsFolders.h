#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/TestHome.h"

// Points the per-user settings, the user's data folder and the machine-wide settings at fresh
// folders of a temporary tree for as long as it lives, so that no test touches the real ones.
class ScopedSettingsFolders {
public:
    ScopedSettingsFolders() {
        static int counter = 0;
        root_ =
            std::filesystem::temp_directory_path() /
            ("lumbrafix settings " + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        PointSettingsAt(root_.string());
    }
    ~ScopedSettingsFolders() {
        KeepSettingsInTestHome();
        std::filesystem::remove_all(root_);
    }
    ScopedSettingsFolders(const ScopedSettingsFolders&) = delete;
    ScopedSettingsFolders& operator=(const ScopedSettingsFolders&) = delete;

    const std::filesystem::path& Root() const { return root_; }

    // Makes the machine-wide settings unreachable: their folder lies below a plain file, so
    // nothing can be opened or created there, whoever runs the test.
    void RefuseMachineFolder() {
        std::filesystem::create_directories(root_);
        std::ofstream(root_ / "blocker") << "not a folder";
        ::setenv("LUMBRAFIX_MACHINE_DIR", (root_ / "blocker" / "machine").c_str(), 1);
    }

private:
    std::filesystem::path root_;
};
