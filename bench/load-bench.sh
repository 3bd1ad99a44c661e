#!/usr/bin/env bash
# Load of the generated 200,000-line database from a file in the page cache (read in one go,
# deciphered in place, split into lines), against its peer in the same run: reading the same
# file into a fresh buffer and nothing else. Best of ten repetitions each, wall-clock time.
#
#   bench/load-bench.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
build=$(realpath "${1:-build}")
"$build/bench/database_bench" --benchmark_format=csv 2>/dev/null | awk -F, '
    $1 ~ /LoadDatabase\/200000.*_min/ { load = $3; mb = $NF }
    $1 ~ /ReadFileOnly\/200000.*_min/ { read = $3 }
    END {
        printf "file: %.2f MB, best of 10 runs each\n", mb
        printf "load (read, decipher, split): %.2f ms, %.2f GB/s (goal: at least 2 GB/s)\n", load, mb / load
        printf "peer, reading the file only:  %.2f ms, %.2f GB/s\n", read, mb / read
        printf "ratio: %.2fx the time of reading the file alone\n", load / read
    }'
