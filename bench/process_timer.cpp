// Prints the best wall-clock time of several runs of a program, start to exit, in ms.
//
//   process_timer RUNS PROGRAM [ARGUMENT...]

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ProcessTimer.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::vector<std::string> command(argv + 2, argv + argc);
    double best = -1;
    for (int run = std::atoi(argv[1]); run > 0; --run) {
        const double took = ProcessMilliseconds(command);
        if (took < 0) {
            std::fprintf(stderr, "%s could not be run\n", argv[2]);
            return 1;
        }
        best = best < 0 ? took : std::min(best, took);
    }
    std::printf("%.2f\n", best);
    return 0;
}
