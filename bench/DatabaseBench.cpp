// Loading the extension database: deciphering the file image and splitting it into lines,
// as the main window does once at start-up.

#include <benchmark/benchmark.h>

#include "GeneratedDatabase.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"

namespace {

constexpr std::size_t kLargeDatabaseLines = 200000;

void BM_ReadExtensionLines(benchmark::State& state) {
    const std::size_t lineCount = static_cast<std::size_t>(state.range(0));
    const CipherKey16 key = BuildDatabaseKey();
    TMemoryStream file = GenerateEncipheredDatabase(lineCount, key);
    std::size_t lines = 0;
    for (auto _ : state) {
        file.SetPosition(0);
        lines = ReadExtensionLines(file, key).size();
        benchmark::DoNotOptimize(lines);
    }
    if (lines != lineCount) {
        state.SkipWithError("wrong line count");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * file.Size());
    state.counters["file_MB"] = static_cast<double>(file.Size()) / 1e6;
}
BENCHMARK(BM_ReadExtensionLines)
    ->Arg(1000)
    ->Arg(kLargeDatabaseLines)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// Search benchmarks on the same generated database go here (GenerateDatabaseText gives the
// plain lines for a comparison with grep).

BENCHMARK_MAIN();
