// The search over a generated 200,000-line database, timed beside `grep -c -i -F` for the
// same term over the same plain text, so the two figures come from one run on one machine.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "GeneratedDatabase.h"
#include "db/ExtensionDatabase.h"
#include "db/SearchEngine.h"

namespace {

constexpr std::size_t kLines = 200'000;

const TStringList& Database() {
    static const TStringList lines = SplitLines(GenerateDatabaseText(kLines));
    return lines;
}

// The plain text on disk for grep; removed when the benchmark program ends.
class PlainTextFile {
public:
    PlainTextFile()
        : path_(std::filesystem::temp_directory_path() /
                ("lumbrafix-search-bench-" + std::to_string(::getpid()) + ".txt")) {
        std::ofstream(path_, std::ios::binary) << GenerateDatabaseText(kLines);
    }
    ~PlainTextFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const PlainTextFile& PlainText() {
    static const PlainTextFile file;
    return file;
}

// Terms: a rare extension fragment, a common file-type word, a program name.
const char* const kTerms[] = {"qz", "archive", "word"};

void BM_FindHits(benchmark::State& state) {
    const char* term = kTerms[state.range(0)];
    TSearchTerms terms;
    std::string* fields[] = {&terms.extension, &terms.fileType, &terms.program};
    *fields[state.range(0)] = term;
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = FindMatchingLines(Database(), terms, false).size();
        benchmark::DoNotOptimize(hits);
    }
    state.SetLabel(std::string(term) + ", " + std::to_string(hits) + " hits");
}
BENCHMARK(BM_FindHits)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Runs grep once with its output thrown away and returns the processor time it used, its own
// start included, in seconds; a negative value when it could not be run.
double GrepSeconds(const char* term, const std::string& path) {
    const char* argv[] = {"grep", "-c", "-i", "-F", term, path.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int error =
        posix_spawnp(&child, "grep", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    rusage usage{};
    if (error != 0 || ::wait4(child, nullptr, 0, &usage) != child) {
        return -1;
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// grep's processor time, so that both figures stay comparable on a busy machine; compare it
// with the CPU column of BM_FindHits.
void TimeGrep(benchmark::State& state, const char* term, const std::string& path) {
    for (auto _ : state) {
        const double seconds = GrepSeconds(term, path);
        if (seconds < 0) {
            state.SkipWithError("grep could not be started");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.SetLabel(term);
}

void BM_GrepCount(benchmark::State& state) {
    TimeGrep(state, kTerms[state.range(0)], PlainText().Path().string());
}
BENCHMARK(BM_GrepCount)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseManualTime();

// grep's own start, over an empty input: how much of the figures above is not the search.
void BM_GrepStart(benchmark::State& state) {
    TimeGrep(state, kTerms[0], "/dev/null");
}
BENCHMARK(BM_GrepStart)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
