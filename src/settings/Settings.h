#pragma once

#include <optional>
#include <string>

// The few values the program remembers between runs. Each access opens its key afresh with
// full access, handles one value and closes the key again. A key that cannot be opened is
// passed over without a message; a value that opens but cannot be written raises the
// registry layer's error.

// The key under each root that holds the program's values.
inline constexpr const char* kSettingsKey = "Software\\Lumbrafix";

// A per-user text value; skipped when the user's settings key cannot be opened or created.
void WriteSetting(const std::string& name, const std::string& value);

// A per-user text value; the empty text when the key or the value is missing.
std::string ReadSetting(const std::string& name);

// The stored "Language" value: the user's own when it is not blank, else the machine-wide one.
// Each is read with read access only; nothing when neither key can be opened. A value that is
// not text reads as empty, so that the system language decides.
std::optional<std::string> ReadStoredLanguage();

// Stores the "Language" value machine-wide where this process may, and otherwise for the user
// (HKEY_CURRENT_USER); a user who has settings of their own gets the value there as well. False
// when it could be stored nowhere.
bool WriteStoredLanguage(const std::string& languageName);
