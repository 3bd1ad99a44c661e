// lumbrafix-db: enciphers the plain-text extension database into the file the program reads,
// deciphers such a file back, checks one, lints its lines, and builds the shipped one from the MIME
// registries and our own table.

#include <cstdio>

#include "DbLint.h"
#include "DbToolArguments.h"
#include "DbToolCommands.h"
#include "text/AnsiCodePage.h"

namespace {

constexpr int kExitData = 1;
constexpr int kExitUsage = 2;

int RunCheck(const DbToolCommand& command) {
    const DatabaseVerdict check = CheckDatabaseFile(command.input, command.key);
    if (!check.loadable) {
        std::printf("%s: not a well-formed database: %s\n", command.input.c_str(),
                    check.reason.c_str());
        return kExitData;
    }
    std::printf("%s: well-formed database, %zu line(s)\n", command.input.c_str(), check.lines);
    return 0;
}

int RunBuild(const DbToolCommand& command) {
    const std::size_t lines = BuildDatabaseFile(
        {command.input, command.mimeTypes, command.mimeTypesData}, command.output, command.key);
    std::printf("%s: %zu line(s)\n", command.output.c_str(), lines);
    return 0;
}

int Run(const DbToolCommand& command) {
    switch (command.action) {
        case DbToolAction::Help:
            std::fputs(kDbToolUsage, stdout);
            return 0;
        case DbToolAction::Encipher:
            EncipherFile(command.input, command.output, command.key);
            return 0;
        case DbToolAction::Decipher:
            DecipherFile(command.input, command.output, command.key);
            return 0;
        case DbToolAction::Check:
            return RunCheck(command);
        case DbToolAction::Build:
            return RunBuild(command);
        case DbToolAction::Lint:
            return LintDatabaseFile(command.input, command.key) == 0 ? 0 : kExitData;
    }
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(ParseDbToolArguments(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const EUsageError& error) {
        std::fprintf(stderr, "lumbrafix-db: %s\nTry 'lumbrafix-db --help'.\n",
                     error.Message().c_str());
        return kExitUsage;
    } catch (const Exception& error) {
        std::fprintf(stderr, "lumbrafix-db: %s\n", AnsiToUtf8(error.Message()).c_str());
        return kExitData;
    }
}
