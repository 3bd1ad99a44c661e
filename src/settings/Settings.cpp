#include "settings/Settings.h"

#include "platform/Registry.h"

namespace {

constexpr const char* kLanguageValue = "Language";

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
    TRegistry registry(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(kSettingsKey, false)) {
        return std::nullopt;
    }
    try {
        return registry.ReadString(kLanguageValue);
    } catch (const ERegistryException&) {
        return std::string();
    }
}

bool WriteStoredLanguage(const std::string& languageName) {
    TRegistry registry(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(kSettingsKey, true)) {
        return false;
    }
    registry.WriteString(kLanguageValue, languageName);
    return true;
}
