#include "DbToolArguments.h"

#include <algorithm>

#include "db/DatabaseKey.h"

const char* const kDbToolUsage =
    "Usage: lumbrafix-db encipher [--key HEX] IN OUT\n"
    "       lumbrafix-db decipher [--key HEX] IN OUT\n"
    "       lumbrafix-db check [--key HEX] FILE\n"
    "       lumbrafix-db build [--key HEX] [--mime-types FILE] [--mime-types-data FILE]\n"
    "                          DATA OUT\n"
    "       lumbrafix-db lint [--key HEX] FILE\n"
    "\n"
    "Converts between the plain text of the extension database and its enciphered file\n"
    "format (marbelin_ext.txt), or checks or lints an enciphered file.\n"
    "\n"
    "  encipher   write IN, a plain text, enciphered to OUT\n"
    "  decipher   write IN, an enciphered database, as plain bytes to OUT\n"
    "  check      tell whether FILE is a database the program loads (whole blocks, final\n"
    "             count, record lines) and how many lines it holds\n"
    "  build      merge the table in folder DATA (extensions.txt, types.txt) with the MIME\n"
    "             registries and write the enciphered database to OUT\n"
    "  lint       print every line of the database FILE that breaks a quality rule\n"
    "             (line shape, empty field, file type that only names the program or its\n"
    "             vendor, platform that lacks a well-known program's, extension and\n"
    "             file type twice)\n"
    "  --mime-types FILE       media-types' list (default /etc/mime.types)\n"
    "  --mime-types-data FILE  ruby-mime-types-data's mime-types.json (default\n"
    "             /usr/share/ruby-mime-types-data/data/mime-types.json)\n"
    "  --key HEX  the 16 key bytes as exactly 32 hexadecimal digits (default: the\n"
    "             program's own database key)\n"
    "  --help     show this text\n"
    "\n"
    "OUT is replaced only when the whole output has been written.\n"
    "Exit codes: 0 success, 1 file or data error (or a malformed file for check, a\n"
    "finding for lint), 2 usage error.\n";

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct ActionName {
    const char* name;
    DbToolAction action;
    std::size_t files;
};

constexpr ActionName kActions[] = {
    {"encipher", DbToolAction::Encipher, 2}, {"decipher", DbToolAction::Decipher, 2},
    {"check", DbToolAction::Check, 1},       {"build", DbToolAction::Build, 2},
    {"lint", DbToolAction::Lint, 1},
};

const ActionName& ActionNamed(const std::string& name) {
    for (const ActionName& entry : kActions) {
        if (name == entry.name) {
            return entry;
        }
    }
    throw EUsageError(FormatMessage("unknown command '%s'", name.c_str()));
}

// The option at `arguments[i]`, in the form "--name VALUE" or "--name=VALUE"; `i` ends on the
// option's last argument.
void TakeOption(DbToolCommand& command, const std::vector<std::string>& arguments, std::size_t& i) {
    const std::string& argument = arguments[i];
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    std::string value;
    if (equals != std::string::npos) {
        value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
    } else {
        throw EUsageError(FormatMessage("%s needs a value", name.c_str()));
    }
    if (name == "--key") {
        command.key = ParseHexKey(value);
    } else if (name == "--mime-types" && command.action == DbToolAction::Build) {
        command.mimeTypes = value;
    } else if (name == "--mime-types-data" && command.action == DbToolAction::Build) {
        command.mimeTypesData = value;
    } else {
        throw EUsageError(FormatMessage("unknown option '%s'", argument.c_str()));
    }
}

}  // namespace

CipherKey16 ParseHexKey(std::string_view hex) {
    CipherKey16 key{};
    if (hex.size() != 2 * key.size()) {
        throw EUsageError(
            FormatMessage("--key needs exactly 32 hexadecimal digits, got %zu", hex.size()));
    }
    for (std::size_t i = 0; i < hex.size(); ++i) {
        if (HexDigitValue(hex[i]) < 0) {
            throw EUsageError(FormatMessage(
                "--key: '%c' at position %zu is not a hexadecimal digit", hex[i], i + 1));
        }
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(HexDigitValue(hex[2 * i]) << 4 |
                                           HexDigitValue(hex[2 * i + 1]));
    }
    return key;
}

DbToolCommand ParseDbToolArguments(const std::vector<std::string>& arguments) {
    DbToolCommand command;
    if (arguments.empty()) {
        throw EUsageError("no command given");
    }
    if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end() ||
        arguments.front() == "-h") {
        return command;
    }
    const ActionName& action = ActionNamed(arguments.front());
    command.action = action.action;
    command.key = BuildDatabaseKey();
    std::vector<std::string> files;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() > 1 && argument[0] == '-') {
            TakeOption(command, arguments, i);
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != action.files) {
        throw EUsageError(FormatMessage("%s takes %zu file name(s), got %zu", action.name,
                                        action.files, files.size()));
    }
    command.input = files[0];
    if (action.files == 2) {
        command.output = files[1];
    }
    return command;
}
