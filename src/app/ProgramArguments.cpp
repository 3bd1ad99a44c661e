#include "app/ProgramArguments.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/ProgramVersion.h"

namespace {

constexpr const char* kUsage =
    "Usage: lumbrafix [OPTION]... [FILE]\n"
    "Look up file extensions in an offline database.\n"
    "With FILE, the window opens with a search for the extension of FILE.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "      --         end of options; what follows is the FILE\n"
    "\n"
    "The database is read from the newer of the program's folder and\n"
    "$XDG_DATA_HOME/lumbrafix (else ~/.local/share/lumbrafix); see lumbrafix(1).\n";

constexpr const char* kVersion = "lumbrafix " LUMBRAFIX_VERSION "\n";

bool IsOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

TProgramArguments UsageError(std::string problem) {
    return {TProgramAction::UsageError, {}, std::move(problem)};
}

}  // namespace

TProgramArguments ParseProgramArguments(std::span<char* const> arguments) {
    TProgramArguments result;
    bool optionsEnded = false;
    for (const std::string_view argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            return {TProgramAction::Help, {}, {}};
        } else if (!optionsEnded && argument == "--version") {
            return {TProgramAction::Version, {}, {}};
        } else if (!optionsEnded && IsOption(argument)) {
            return UsageError("unknown option '" + std::string(argument) + "'");
        } else if (!result.file.empty()) {
            return UsageError("only one FILE may be given");
        } else {
            result.file = argument;
        }
    }
    return result;
}

std::optional<int> AnswerWithoutWindow(const TProgramArguments& arguments) {
    switch (arguments.action) {
        case TProgramAction::Help:
            std::fputs(kUsage, stdout);
            return EXIT_SUCCESS;
        case TProgramAction::Version:
            std::fputs(kVersion, stdout);
            return EXIT_SUCCESS;
        case TProgramAction::UsageError:
            std::fprintf(stderr, "lumbrafix: %s\nTry 'lumbrafix --help' for more information.\n",
                         arguments.problem.c_str());
            return 2;
        case TProgramAction::Run:
            break;
    }
    return std::nullopt;
}
