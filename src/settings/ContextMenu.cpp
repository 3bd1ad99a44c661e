#include "settings/ContextMenu.h"

#include "platform/Registry.h"
#include "settings/FileManagerEntries.h"
#include "settings/Settings.h"

namespace {

constexpr const char* kChoiceValue = "ContextMenuEnabled";

void RegisterHandler() {
    TRegistry registry(HKEY_CLASSES_ROOT);
    if (registry.OpenKey(kContextMenuHandlerKey, true)) {
        registry.WriteString("", kContextMenuHandlerClassId);
    }
}

// Opens the key first, creating it when absent, as the registration always has; then removes
// it with everything below it.
void UnregisterHandler() {
    TRegistry registry(HKEY_CLASSES_ROOT);
    if (registry.OpenKey(kContextMenuHandlerKey, true)) {
        registry.CloseKey();
        registry.DeleteKey(kContextMenuHandlerKey);
    }
}

}  // namespace

bool ContextMenuChosen() {
    return ReadSetting(kChoiceValue) == "Yes";
}

void SwitchContextMenu(bool on, const std::string& programPath, int languageBase) {
    WriteSetting(kChoiceValue, on ? "Yes" : "No");
    if (on) {
        RegisterHandler();
        WriteFileManagerEntries(programPath, languageBase);
    } else {
        UnregisterHandler();
        RemoveFileManagerEntries();
    }
}
