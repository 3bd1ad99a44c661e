#include "db/DatabaseFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "platform/SettingsFolders.h"

namespace {

// The last-write time of a regular file; nothing for anything else or a missing file.
std::optional<std::filesystem::file_time_type> WriteTimeOfFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const auto time = std::filesystem::last_write_time(path, error);
    return error ? std::nullopt : std::optional(time);
}

// A folder in which this process may create files, found by creating (and removing) one:
// permission bits don't tell for the superuser, a read-only mount or a special file system.
bool IsWritableFolder(const std::filesystem::path& folder) {
    const std::string probe =
        DatabaseFileIn(folder).string() + ".probe." + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::filesystem::path DatabaseFileIn(const std::filesystem::path& folder) {
    return folder / kDatabaseFileName;
}

std::filesystem::path UserDatabaseFolder() {
    return UserDataFolder() / "lumbrafix";
}

std::filesystem::path DatabaseFileToRead(const std::filesystem::path& programFolder) {
    const std::filesystem::path installed = DatabaseFileIn(programFolder);
    const std::filesystem::path own = DatabaseFileIn(UserDatabaseFolder());
    const auto ownTime = WriteTimeOfFile(own);
    const auto installedTime = WriteTimeOfFile(installed);
    return ownTime && (!installedTime || *ownTime > *installedTime) ? own : installed;
}

std::optional<std::filesystem::path> DatabaseFolderToWrite(
    const std::filesystem::path& programFolder) {
    if (IsWritableFolder(programFolder)) {
        return programFolder;
    }
    const std::filesystem::path own = UserDatabaseFolder();
    std::error_code error;
    std::filesystem::create_directories(own, error);
    if (IsWritableFolder(own)) {
        return own;
    }
    return std::nullopt;
}

std::string ShownFolder(const std::filesystem::path& folder) {
    return (folder / "").string();
}
