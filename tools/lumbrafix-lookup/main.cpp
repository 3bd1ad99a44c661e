// lumbrafix-lookup: the extension database's search, and what a file is and what opens it
// here, from a terminal.

#include "LookupHandOver.h"
#include "platform/ProgramPath.h"

int main(int argc, char** argv) {
    return RunLookup(std::vector<std::string>(argv + 1, argv + argc), ProgramFolder(), stdout,
                     stderr, HandFilesOver);
}
