// lumbrafix-lookup-files: what lumbrafix-lookup --file runs, the search with it.

#include "LookupFiles.h"
#include "platform/ProgramPath.h"

int main(int argc, char** argv) {
    return RunLookup(std::vector<std::string>(argv + 1, argv + argc), ProgramFolder(), stdout,
                     stderr, ExamineFiles);
}
