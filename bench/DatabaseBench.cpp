// Loading the extension database as the program does once at start-up: reading the
// enciphered file, deciphering it and splitting it into lines. Beside it, its peer: reading
// the same file in one go into a fresh buffer and nothing else, the least any load costs.
// Run bench/load-bench.sh for the ratio.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "BenchStatistics.h"
#include "GeneratedDatabase.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"

namespace {

constexpr std::size_t kLargeDatabaseLines = 200000;

// The enciphered database on disk; removed when the benchmark program ends.
class DatabaseOnDisk {
public:
    explicit DatabaseOnDisk(std::size_t lines)
        : path_(std::filesystem::temp_directory_path() /
                ("lumbrafix-load-bench-" + std::to_string(::getpid()) + "-" +
                 std::to_string(lines))) {
        TMemoryStream file = GenerateEncipheredDatabase(lines, BuildDatabaseKey());
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.Memory()), file.Size());
    }
    ~DatabaseOnDisk() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

void CountBytes(benchmark::State& state, const std::string& path) {
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void BM_LoadDatabase(benchmark::State& state) {
    const std::size_t lineCount = static_cast<std::size_t>(state.range(0));
    const DatabaseOnDisk database(lineCount);
    std::size_t lines = 0;
    for (auto _ : state) {
        TFileStream file(database.Path(), TFileMode::fmOpenReadExclusive);
        lines = ReadExtensionLines(file, BuildDatabaseKey()).size();
        benchmark::DoNotOptimize(lines);
    }
    if (lines != lineCount) {
        state.SkipWithError("wrong line count");
    }
    CountBytes(state, database.Path());
}
BENCHMARK(BM_LoadDatabase)
    ->Arg(1000)
    ->Arg(kLargeDatabaseLines)
    ->Unit(benchmark::kMillisecond)
    ->Apply(AddMinimum);

void BM_ReadFileOnly(benchmark::State& state) {
    const DatabaseOnDisk database(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        TFileStream file(database.Path(), TFileMode::fmOpenReadExclusive);
        const auto size = static_cast<std::size_t>(file.Size());
        const auto buffer = std::make_unique_for_overwrite<char[]>(size);
        file.ReadBuffer(buffer.get(), size);
        benchmark::DoNotOptimize(buffer.get());
    }
    CountBytes(state, database.Path());
}
BENCHMARK(BM_ReadFileOnly)
    ->Arg(kLargeDatabaseLines)
    ->Unit(benchmark::kMillisecond)
    ->Apply(AddMinimum);

}  // namespace

BENCHMARK_MAIN();
