// The search over a generated 200,000-line database, timed beside `grep -c -i -F` for the
// same term over the same plain text as a whole process, and beside grep's start alone (over
// an empty input), so that the figures come from one run on one machine. Run
// bench/search-bench.sh for the ratios.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "BenchStatistics.h"
#include "GeneratedDatabase.h"
#include "ProcessTimer.h"
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
    state.SetLabel(std::string(term) + ": " + std::to_string(hits) + " hits");
}
BENCHMARK(BM_FindHits)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Apply(AddMinimum);

// grep as a whole process, start to exit, in wall-clock time like the search above.
void TimeGrep(benchmark::State& state, const char* term, const std::string& path) {
    for (auto _ : state) {
        const double milliseconds = ProcessMilliseconds({"grep", "-c", "-i", "-F", term, path});
        if (milliseconds < 0) {
            state.SkipWithError("grep could not be run");
            break;
        }
        state.SetIterationTime(milliseconds / 1000);
    }
    state.SetLabel(term);
}

void BM_GrepWhole(benchmark::State& state) {
    TimeGrep(state, kTerms[state.range(0)], PlainText().Path().string());
}
BENCHMARK(BM_GrepWhole)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Apply(AddMinimum);

// grep's own start, over an empty input: how much of the figures above is not the search.
void BM_GrepStart(benchmark::State& state) {
    TimeGrep(state, kTerms[0], "/dev/null");
}
BENCHMARK(BM_GrepStart)->Unit(benchmark::kMillisecond)->UseManualTime()->Apply(AddMinimum);

}  // namespace

BENCHMARK_MAIN();
