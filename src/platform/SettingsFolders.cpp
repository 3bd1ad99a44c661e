#include "platform/SettingsFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/ProgramPath.h"

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

// An XDG base folder: the variable's value when it is an absolute path (relative ones are to
// be ignored), else the given folder below the home folder.
std::filesystem::path XdgFolder(const char* variable, const char* fallbackBelowHome) {
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') {
        return value;
    }
    return HomeFolder() / fallbackBelowHome;
}

bool RunsFromBuildTree() {
    std::error_code error;
    const std::filesystem::path buildTree = std::filesystem::canonical(LUMBRAFIX_BUILD_TREE, error);
    if (error) {
        return false;
    }
    const std::filesystem::path program = ProgramFolder();
    // Compared folder by folder, so that "build-asan" is not taken for inside "build".
    return std::mismatch(buildTree.begin(), buildTree.end(), program.begin(), program.end())
               .first == buildTree.end();
}

}  // namespace

std::filesystem::path UserSettingsFolder() {
    return XdgFolder("XDG_CONFIG_HOME", ".config") / "lumbrafix";
}

std::filesystem::path UserDataFolder() {
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path MachineSettingsFolder() {
    if (const char* chosen = std::getenv("LUMBRAFIX_MACHINE_DIR");
        chosen != nullptr && chosen[0] == '/') {
        return chosen;
    }
    if (RunsFromBuildTree()) {
        return LUMBRAFIX_BUILD_MACHINE_DIR;
    }
    return LUMBRAFIX_MACHINE_DIR;
}
