#pragma once

#include <optional>
#include <span>
#include <string>

// The program's own command line, "lumbrafix [OPTION]... [FILE]", read before the windowing
// library sees it, so that a file named like one of that library's options stays a file.

enum class TProgramAction { Run, Help, Version, UsageError };

struct TProgramArguments {
    TProgramAction action = TProgramAction::Run;
    std::string file;     // the FILE to look up; empty when none is given
    std::string problem;  // what is wrong with a command line that is a usage error
};

// Reads the arguments that follow the program name. "--" ends the options; "-" alone is a
// file name. The first of --help (-h) or --version decides; otherwise an unknown option or a
// second FILE is a usage error.
TProgramArguments ParseProgramArguments(std::span<char* const> arguments);

// Answers a command line that opens no window: the help or the version on standard output
// (exit status 0), or the problem and a hint on the standard error (exit status 2). Nothing
// for a command line that runs the program.
std::optional<int> AnswerWithoutWindow(const TProgramArguments& arguments);

// The one line that tells that no window can be opened (no display, or one that cannot be
// reached); the program then ends with exit status 1.
inline constexpr const char* kNoDisplayMessage =
    "lumbrafix: cannot open a window: no graphical display (DISPLAY or WAYLAND_DISPLAY) is "
    "available";
