// lumbrafix-fetch: fetches a file the way the database update does, for checking an update
// server from the command line.

#include "FetchCommand.h"

int main(int argc, char** argv) {
    return RunFetch(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
