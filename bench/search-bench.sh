#!/usr/bin/env bash
# The search over the generated 200,000-line database for three terms, against
# `grep -c -i -F TERM` over the same plain text in the same run: grep as a whole process
# (start to exit), grep's start alone (over an empty input) and its scan (the difference).
# Best of ten repetitions each, wall-clock time.
#
#   bench/search-bench.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
build=$(realpath "${1:-build}")
"$build/bench/search_bench" --benchmark_format=csv 2>/dev/null | awk -F, '
    function term(name) { split(name, parts, "/"); return parts[2] }
    $1 ~ /BM_FindHits.*_min/  { search[term($1)] = $3; label[term($1)] = $8 }
    $1 ~ /BM_GrepWhole.*_min/ { grep[term($1)] = $3 }
    $1 ~ /BM_GrepStart.*_min/ { start = $3 }
    END {
        printf "grep start alone: %.2f ms (best of 10)\n", start
        printf "%-24s %10s %12s %10s %14s %14s\n", "term", "search ms", "grep whole", "grep scan", "vs grep whole", "vs grep scan"
        for (i = 0; i < 3; ++i) {
            scan = grep[i] - start
            printf "%-24s %10.2f %12.2f %10.2f %13.2fx %13.2fx\n", label[i], search[i], grep[i], scan, search[i] / grep[i], (scan > 0 ? search[i] / scan : 0)
        }
        print "goals: each search under 1.5 ms and at most 1.00x grep whole"
    }'
