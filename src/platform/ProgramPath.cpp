#include "platform/ProgramPath.h"

std::filesystem::path ProgramFile() {
    std::error_code error;
    return std::filesystem::canonical("/proc/self/exe", error);
}

std::filesystem::path ProgramFolder() {
    const std::filesystem::path exe = ProgramFile();
    return exe.empty() ? std::filesystem::path(".") : exe.parent_path();
}
