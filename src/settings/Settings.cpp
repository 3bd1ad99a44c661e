#include "settings/Settings.h"

#include "platform/Registry.h"
#include "text/TrimControls.h"

namespace {

constexpr const char* kLanguageValue = "Language";

// The "Language" value under one root, read with read access only; nothing when the key
// cannot be opened, and the empty text for a value that is not text.
std::optional<std::string> ReadLanguageOf(HKEY root) {
    TRegistry registry(root);
    if (!registry.OpenKeyReadOnly(kSettingsKey)) {
        return std::nullopt;
    }
    try {
        return registry.ReadString(kLanguageValue);
    } catch (const ERegistryException&) {
        return std::string();
    }
}

// Stores the "Language" value under one root, creating its key; false when the key cannot be
// opened or created.
bool WriteLanguageOf(HKEY root, const std::string& languageName) {
    TRegistry registry(root);
    if (!registry.OpenKey(kSettingsKey, true)) {
        return false;
    }
    registry.WriteString(kLanguageValue, languageName);
    return true;
}

}  // namespace

void WriteSetting(const std::string& name, const std::string& value) {
    TRegistry registry(HKEY_CURRENT_USER);
    if (registry.OpenKey(kSettingsKey, true)) {
        registry.WriteString(name, value);
    }
}

std::string ReadSetting(const std::string& name) {
    std::string result;
    TRegistry registry(HKEY_CURRENT_USER);
    if (registry.OpenKey(kSettingsKey, false)) {
        result = registry.ReadString(name);
    }
    return result;
}

std::optional<std::string> ReadStoredLanguage() {
    const std::optional<std::string> own = ReadLanguageOf(HKEY_CURRENT_USER);
    if (own && !TrimControls(*own).empty()) {
        return own;
    }
    return ReadLanguageOf(HKEY_LOCAL_MACHINE);
}

bool WriteStoredLanguage(const std::string& languageName) {
    const bool machineWide = WriteLanguageOf(HKEY_LOCAL_MACHINE, languageName);
    // The user's own value is read first: where the user has settings, it follows the choice.
    if (machineWide && !ReadLanguageOf(HKEY_CURRENT_USER)) {
        return true;
    }
    return WriteLanguageOf(HKEY_CURRENT_USER, languageName) || machineWide;
}
