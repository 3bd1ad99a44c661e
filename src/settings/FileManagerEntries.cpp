#include "settings/FileManagerEntries.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/SettingsFolders.h"
#include "text/AnsiCodePage.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

constexpr std::string_view kMarker = "# Lumbrafix context-menu entry";
constexpr const char* kServiceMenuName = "lumbrafix-lookup-extension.desktop";

// Entries are small; a larger file under our name is certainly not ours.
constexpr std::streamsize kMaxEntrySize = 1 << 16;

std::string MenuWording(int languageBase) {
    return AnsiToUtf8(LoadStr(languageBase + txLookUpExtension));
}

std::filesystem::path ServiceMenuPath() {
    return UserDataFolder() / "kio" / "servicemenus" / kServiceMenuName;
}

// Nautilus names a script's menu entry after its file.
std::filesystem::path NautilusScriptPath(int languageBase) {
    return UserDataFolder() / "nautilus" / "scripts" / MenuWording(languageBase);
}

// A text as a string value of a desktop entry file: backslash and the control characters a
// line cannot hold are escaped.
std::string DesktopStringValue(const std::string& text) {
    std::string value;
    for (const char c : text) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

// The program path as one argument of a desktop entry's Exec line: in double quotes with
// the characters that are special inside them escaped, "%" doubled, since it introduces field
// codes; then written as a string value of the file.
std::string DesktopExecArgument(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? "%%" : std::string(1, c);
    }
    return DesktopStringValue(quoted + "\"");
}

// The path as one word of a shell command, in single quotes.
std::string ShellArgument(const std::string& path) {
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ServiceMenu(const std::string& programPath) {
    return "[Desktop Entry]\n" + std::string(kMarker) +
           "\nType=Service\n"
           "MimeType=all/allfiles;\n"
           "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
           // Hidden once the program is gone.
           "TryExec=" +
           DesktopStringValue(programPath) +
           "\n"
           "Actions=lookUpExtension;\n\n"
           "[Desktop Action lookUpExtension]\n"
           "Name=" +
           MenuWording(kEnglishLanguageBase) + "\nName[de]=" + MenuWording(kGermanLanguageBase) +
           "\nIcon=system-search\n"
           "Exec=" +
           DesktopExecArgument(programPath) + " %f\n";
}

// Nautilus passes the chosen files by their names, which may start with "-"; "--" keeps such
// a name from being read as an option. A script left behind by a removed program says so.
std::string NautilusScript(const std::string& programPath) {
    const std::string program = ShellArgument(programPath);
    return "#!/bin/sh\n" + std::string(kMarker) +
           "\n# Nautilus passes the chosen files; Lumbrafix looks up the first one's extension.\n"
           "[ $# -gt 0 ] || exit 0\n"
           "if [ ! -x " +
           program +
           " ]; then\n"
           "    message=\"Lumbrafix is no longer installed: \"" +
           program +
           "\n"
           "    zenity --error --no-markup --text=\"$message\" 2>/dev/null ||\n"
           "        notify-send Lumbrafix \"$message\" 2>/dev/null || echo \"$message\" >&2\n"
           "    exit 1\n"
           "fi\n"
           "exec " +
           program + " -- \"$1\"\n";
}

bool IsOurs(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string head(kMaxEntrySize, '\0');
    file.read(head.data(), kMaxEntrySize);
    head.resize(static_cast<std::size_t>(file.gcount()));
    return file.eof() && head.find(kMarker) != std::string::npos;
}

void RemoveIfOurs(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error)) &&
        IsOurs(path)) {
        std::filesystem::remove(path, error);
    }
}

struct TFileManagerEntry {
    std::filesystem::path path;
    std::string contents;
};

std::vector<TFileManagerEntry> FileManagerEntries(const std::string& programPath,
                                                  int languageBase) {
    return {{ServiceMenuPath(), ServiceMenu(programPath)},
            {NautilusScriptPath(languageBase), NautilusScript(programPath)}};
}

}  // namespace

void WriteFileManagerEntries(const std::string& programPath, int languageBase) {
    RemoveFileManagerEntries();
    if (programPath.empty()) {
        return;  // an entry could not start the program
    }
    for (const TFileManagerEntry& entry : FileManagerEntries(programPath, languageBase)) {
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(entry.path, error))) {
            continue;  // someone else's file under our name
        }
        std::filesystem::create_directories(entry.path.parent_path(), error);
        // Executable: KDE only trusts service menus of the user's own that are, and Nautilus
        // runs scripts.
        WriteFileAtomically(entry.path, entry.contents, 0755);
    }
}

void RemoveFileManagerEntries() {
    RemoveIfOurs(ServiceMenuPath());
    for (const int base : {kGermanLanguageBase, kEnglishLanguageBase}) {
        RemoveIfOurs(NautilusScriptPath(base));
    }
}
