// The program's own command line: what opens a window on which FILE, and what is refused.

#include <gtest/gtest.h>

#include <vector>

#include "app/ProgramArguments.h"

namespace {

struct ArgumentsRow {
    std::vector<const char*> arguments;
    TProgramAction action;
    std::string file;
};

}  // namespace

TEST(ParseProgramArguments, OptionsFilesAndTheEndOfOptions) {
    using enum TProgramAction;
    const ArgumentsRow rows[] = {
        {{}, Run, ""},
        {{"notes.txt"}, Run, "notes.txt"},
        {{"-"}, Run, "-"},
        {{"--", "-reverse"}, Run, "-reverse"},
        {{"--", "--help"}, Run, "--help"},
        {{"--", "--"}, Run, "--"},
        {{"-h"}, Help, ""},
        {{"a.txt", "--help", "--version"}, Help, ""},
        {{"--version", "-x"}, Version, ""},
        {{"-reverse"}, UsageError, ""},
        {{"-x"}, UsageError, ""},
        {{"-style=x", "a.txt"}, UsageError, ""},
        {{"--helpme"}, UsageError, ""},
        {{"a.txt", "b.txt"}, UsageError, ""},
        {{"a.txt", "--", "b.txt"}, UsageError, ""},
    };
    for (const ArgumentsRow& row : rows) {
        std::vector<char*> arguments;
        for (const char* argument : row.arguments) {
            arguments.push_back(const_cast<char*>(argument));
        }
        const TProgramArguments parsed = ParseProgramArguments(arguments);
        const std::string shown = row.arguments.empty() ? "" : row.arguments.front();
        EXPECT_EQ(parsed.action, row.action) << shown;
        EXPECT_EQ(parsed.file, row.file) << shown;
        EXPECT_EQ(parsed.problem.empty(), row.action != UsageError) << shown;
    }
}
