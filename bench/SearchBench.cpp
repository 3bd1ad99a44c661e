// The search over a generated 200,000-line database, timed beside `grep -c -i -F` for the
// same term over the same plain text, so the two figures come from one run on one machine.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

void BM_GrepCount(benchmark::State& state) {
    const char* term = kTerms[state.range(0)];
    const std::string command = std::string("grep -c -i -F '") + term + "' '" +
                                PlainText().Path().string() + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) == -1) {
            state.SkipWithError("grep could not be started");
            break;
        }
    }
    state.SetLabel(term);
}
BENCHMARK(BM_GrepCount)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
