#include "platform/ProgramPath.h"

#include <filesystem>

std::string ProgramFile() {
    std::error_code error;
    return std::filesystem::canonical("/proc/self/exe", error).string();
}

std::string ProgramFolder() {
    const std::filesystem::path exe = ProgramFile();
    return exe.empty() ? "./" : exe.parent_path().string() + "/";
}
