#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Exceptions.h"

// A small registry of our own, kept in folders: one folder per key, one file per value (see
// RegistryNames.h and RegistryValueFile.h). The per-user root is the user's settings folder;
// the two machine-wide roots are folders of the machine settings folder. Key paths use "\"
// between their parts, as the program has always named them.

enum HKEY { HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };

// An error of the registry layer, raised when a value cannot be written or has the wrong type.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The folder that holds the keys of a root.
std::filesystem::path RootFolder(HKEY root);

class TRegistry {
public:
    explicit TRegistry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

    void SetRootKey(HKEY root) { root_ = root; }

    // Opens a key for reading and writing. Fails when the key is missing (and `canCreate` is
    // false, or creating it fails) or when this process may not read and write its folder.
    bool OpenKey(const std::string& key, bool canCreate);
    // Opens an existing key for reading only; enough to read values the process may not
    // change, such as the machine-wide ones of an ordinary user.
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey() { current_.reset(); }

    // The text of a value of the open key, up to its first NUL; the empty text for a missing,
    // empty or damaged value. Raises ERegistryException for a value that is not text.
    std::string ReadString(const std::string& name) const;

    // Writes a text value (with its terminating NUL) into the open key. Raises
    // ERegistryException when that fails. The empty name is the key's default value.
    void WriteString(const std::string& name, const std::string& value);

    // Deletes a key and everything below it, deepest first. False when it is missing or
    // could not be deleted completely.
    bool DeleteKey(const std::string& key);

private:
    std::filesystem::path KeyFolder(const std::string& key) const;

    HKEY root_;
    std::optional<std::filesystem::path> current_;
};
