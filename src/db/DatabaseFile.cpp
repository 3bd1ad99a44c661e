#include "db/DatabaseFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "platform/SettingsFolders.h"

namespace {

// The last-write time of a regular file; nothing for anything else or a missing file.
std::optional<std::filesystem::file_time_type> WriteTimeOfFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const auto time = std::filesystem::last_write_time(path, error);
    return error ? std::nullopt : std::optional(time);
}

// A folder in which this process may create files, found by creating (and removing) one:
// permission bits don't tell for the superuser, a read-only mount or a special file system.
bool IsWritableFolder(const std::string& folder) {
    const std::string probe = folder + kDatabaseFileName + ".probe." + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::string DatabaseFileIn(const std::string& folder) {
    return folder + kDatabaseFileName;
}

std::string UserDatabaseFolder() {
    return (UserDataFolder() / "lumbrafix").string() + "/";
}

std::string DatabaseFileToRead(const std::string& programFolder) {
    const std::string installed = DatabaseFileIn(programFolder);
    const std::string own = DatabaseFileIn(UserDatabaseFolder());
    const auto ownTime = WriteTimeOfFile(own);
    const auto installedTime = WriteTimeOfFile(installed);
    return ownTime && (!installedTime || *ownTime > *installedTime) ? own : installed;
}

std::optional<std::string> DatabaseFolderToWrite(const std::string& programFolder) {
    if (IsWritableFolder(programFolder)) {
        return programFolder;
    }
    const std::string own = UserDatabaseFolder();
    std::error_code error;
    std::filesystem::create_directories(own, error);
    if (IsWritableFolder(own)) {
        return own;
    }
    return std::nullopt;
}
