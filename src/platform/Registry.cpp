#include "platform/Registry.h"

#include <unistd.h>

#include "platform/RegistryNames.h"
#include "platform/RegistryValueFile.h"
#include "platform/SettingsFolders.h"

namespace {

// The registry layer's own messages, in the wording it has always used.
constexpr const char* kSetDataFailed = "Fehler beim Setzen der Daten f\xFCr '%s'";
constexpr const char* kInvalidDataType = "Ung\xFCltiger Datentyp f\xFCr '%s'";

// Walks from the root (which may be a link) down to a key's folder, creating missing levels
// when asked. False as soon as a level below the root is no real folder: a link to a folder
// elsewhere is never followed, so no key can be read, written or deleted outside its root.
bool ReachKeyFolder(const std::filesystem::path& root, const std::filesystem::path& folder,
                    bool create) {
    std::filesystem::path walked = root;
    if (create) {
        std::error_code error;
        std::filesystem::create_directories(root, error);
    }
    for (const std::filesystem::path& level : folder.lexically_relative(root)) {
        walked /= level;
        std::error_code error;
        if (create) {
            std::filesystem::create_directory(walked, error);
        }
        if (std::filesystem::symlink_status(walked, error).type() !=
            std::filesystem::file_type::directory) {
            return false;
        }
    }
    return true;
}

// A key's folder, reached without a link, that this process may use as `access` says.
bool IsAccessibleKey(const std::filesystem::path& root, const std::filesystem::path& folder,
                     int access = R_OK | W_OK | X_OK) {
    return ReachKeyFolder(root, folder, false) && ::access(folder.c_str(), access) == 0;
}

bool IsText(const std::string& type) {
    return type == "REG_SZ" || type == "REG_EXPAND_SZ";
}

}  // namespace

std::filesystem::path RootFolder(HKEY root) {
    switch (root) {
        case HKEY_CLASSES_ROOT:
            return MachineSettingsFolder() / "HKEY_CLASSES_ROOT";
        case HKEY_LOCAL_MACHINE:
            return MachineSettingsFolder() / "HKEY_LOCAL_MACHINE";
        case HKEY_CURRENT_USER:
            break;
    }
    return UserSettingsFolder();
}

std::filesystem::path TRegistry::KeyFolder(const std::string& key) const {
    std::filesystem::path folder = RootFolder(root_);
    std::size_t start = 0;
    while (start <= key.size()) {
        const std::size_t end = std::min(key.find('\\', start), key.size());
        if (end > start) {
            folder /= KeyFileName(std::string_view(key).substr(start, end - start));
        }
        start = end + 1;
    }
    return folder;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    CloseKey();
    const std::filesystem::path folder = KeyFolder(key);
    if (canCreate) {
        ReachKeyFolder(RootFolder(root_), folder, true);
    }
    if (!IsAccessibleKey(RootFolder(root_), folder)) {
        return false;
    }
    current_ = folder;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
    CloseKey();
    const std::filesystem::path folder = KeyFolder(key);
    if (!IsAccessibleKey(RootFolder(root_), folder, R_OK | X_OK)) {
        return false;
    }
    current_ = folder;
    return true;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!current_) {
        return {};
    }
    const std::optional<TRegistryValue> value = ReadValueFile(*current_ / ValueFileName(name));
    if (!value || value->data.empty()) {
        return {};
    }
    if (!IsText(value->type)) {
        throw ERegistryException(FormatMessage(kInvalidDataType, name.c_str()));
    }
    return value->data.substr(0, value->data.find('\0'));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!current_ ||
        !WriteValueFile(*current_ / ValueFileName(name), TRegistryValue{"REG_SZ", value + '\0'})) {
        throw ERegistryException(FormatMessage(kSetDataFailed, name.c_str()));
    }
}

bool TRegistry::DeleteKey(const std::string& key) {
    const std::filesystem::path folder = KeyFolder(key);
    if (folder == RootFolder(root_) || !IsAccessibleKey(RootFolder(root_), folder)) {
        return false;
    }
    // remove_all empties every sub-folder before removing it, and removes links themselves
    // rather than what they point to.
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return !error;
}
