#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/LbCipher.h"
#include "platform/Exceptions.h"

// The command line of lumbrafix-db, taken apart before anything touches a file.

// A command line that cannot be carried out as written (exit code 2).
class EUsageError : public Exception {
    using Exception::Exception;
};

enum class DbToolAction { Help, Encipher, Decipher, Check, Build, Lint };

struct DbToolCommand {
    DbToolAction action = DbToolAction::Help;
    CipherKey16 key{};
    std::string input;   // IN, FILE for check and lint, DATA for build
    std::string output;  // OUT; empty for check
    // The MIME registries that build merges with DATA.
    std::string mimeTypes = "/etc/mime.types";
    std::string mimeTypesData = "/usr/share/ruby-mime-types-data/data/mime-types.json";
};

// The text printed for --help.
extern const char* const kDbToolUsage;

// 32 hexadecimal digits, upper or lower case, as the 16 key bytes in order.
CipherKey16 ParseHexKey(std::string_view hex);

// The arguments behind the program name. The key defaults to the program's database key.
DbToolCommand ParseDbToolArguments(const std::vector<std::string>& arguments);
