#pragma once

#include <string>

// The context-menu switch: the user's stored choice, the machine's registration key that names
// the context-menu handler for all files, and the user's file-manager entries.

// Class identifier under which the Lumbrafix context-menu handler is registered.
inline constexpr const char* kContextMenuHandlerClassId = "{5C2E8A41-7B39-4D6F-A1E0-93B4C7D2F815}";

// The registration key below HKEY_CLASSES_ROOT ("*" stands for all files).
inline constexpr const char* kContextMenuHandlerKey = "*\\shellex\\ContextMenuHandlers\\Lumbrafix";

// True when the stored choice is exactly "Yes".
bool ContextMenuChosen();

// Stores the choice first, then adds (on) or removes (off) the registration key, then writes or
// removes the file-manager entries that start `programPath FILE`. A key or folder that cannot
// be opened is passed over without a message.
void SwitchContextMenu(bool on, const std::string& programPath, int languageBase);
