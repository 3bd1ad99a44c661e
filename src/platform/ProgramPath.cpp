#include "platform/ProgramPath.h"

#include <filesystem>

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return exe.parent_path().string() + "/";
}
