#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// Points the per-user settings, the user's data folder and the machine-wide settings at fresh
// folders of a temporary tree for as long as it lives, so that no test touches the real ones.
class ScopedSettingsFolders {
public:
    ScopedSettingsFolders() {
        static int counter = 0;
        root_ =
            std::filesystem::temp_directory_path() /
            ("lumbrafix settings " + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(root_);
        Point("XDG_CONFIG_HOME", root_ / "config");
        Point("XDG_DATA_HOME", root_ / "data");
        Point("LUMBRAFIX_MACHINE_DIR", root_ / "machine");
    }
    ~ScopedSettingsFolders() {
        for (const Saved& saved : saved_) {
            if (saved.value) {
                ::setenv(saved.name, saved.value->c_str(), 1);
            } else {
                ::unsetenv(saved.name);
            }
        }
        std::filesystem::remove_all(root_);
    }
    ScopedSettingsFolders(const ScopedSettingsFolders&) = delete;
    ScopedSettingsFolders& operator=(const ScopedSettingsFolders&) = delete;

    const std::filesystem::path& Root() const { return root_; }

    // Makes the machine-wide settings unreachable: their folder lies below a plain file, so
    // nothing can be opened or created there, whoever runs the test.
    void RefuseMachineFolder() {
        const std::filesystem::path blocker = root_ / "blocker";
        std::ofstream(blocker) << "not a folder";
        ::setenv("LUMBRAFIX_MACHINE_DIR", (blocker / "machine").c_str(), 1);
    }

private:
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };

    void Point(const char* name, const std::filesystem::path& folder) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        ::setenv(name, folder.c_str(), 1);
    }

    std::filesystem::path root_;
    std::vector<Saved> saved_;
};
