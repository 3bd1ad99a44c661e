#include "DbToolArguments.h"

#include <algorithm>

#include "db/DatabaseKey.h"

const char* const kDbToolUsage =
    "Usage: lumbrafix-db encipher [--key HEX] IN OUT\n"
    "       lumbrafix-db decipher [--key HEX] IN OUT\n"
    "       lumbrafix-db check [--key HEX] FILE\n"
    "\n"
    "Converts between the plain text of the extension database and its enciphered file\n"
    "format (marbelin_ext.txt), or checks an enciphered file.\n"
    "\n"
    "  encipher   write IN, a plain text, enciphered to OUT\n"
    "  decipher   write IN, an enciphered database, as plain bytes to OUT\n"
    "  check      tell whether FILE is a well-formed database and how many lines it holds\n"
    "  --key HEX  the 16 key bytes as exactly 32 hexadecimal digits (default: the\n"
    "             program's own database key)\n"
    "  --help     show this text\n"
    "\n"
    "OUT is replaced only when the whole output has been written.\n"
    "Exit codes: 0 success, 1 file or data error (or a malformed file for check),\n"
    "2 usage error.\n";

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
    {"encipher", DbToolAction::Encipher, 2},
    {"decipher", DbToolAction::Decipher, 2},
    {"check", DbToolAction::Check, 1},
};

const ActionName& ActionNamed(const std::string& name) {
    for (const ActionName& entry : kActions) {
        if (name == entry.name) {
            return entry;
        }
    }
    throw EUsageError(FormatMessage("unknown command '%s'", name.c_str()));
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
        if (argument == "--key") {
            if (++i == arguments.size()) {
                throw EUsageError("--key needs a value");
            }
            command.key = ParseHexKey(arguments[i]);
        } else if (argument.rfind("--key=", 0) == 0) {
            command.key = ParseHexKey(std::string_view(argument).substr(6));
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw EUsageError(FormatMessage("unknown option '%s'", argument.c_str()));
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
