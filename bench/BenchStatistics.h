#pragma once

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>

// The best of a benchmark's repetitions: the figure least disturbed by whatever else runs.
inline void AddMinimum(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(10)->ReportAggregatesOnly()->ComputeStatistics(
        "min", [](const std::vector<double>& values) {
            return *std::min_element(values.begin(), values.end());
        });
}
