#!/usr/bin/env bash
# lumbrafix-lookup over the generated 200,000-line database, start to exit, against
# `grep -c -i -F TERM` over the same database's plain text, for the three terms of the search
# benchmark, in the same run, with grep's start alone (over an empty input) and its scan.
# The lookup is copied with the database into a folder of its own (it reads the database
# beside itself), under an empty home, so that no user's database is read instead. Best of ten runs each, wall-clock time.
#
#   bench/lookup-bench.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
build=$(realpath "${1:-build}")
runs=10
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build/src/lumbrafix-lookup" "$folder/"
"$build/bench/write_generated_database" 200000 "$folder/marbelin_ext.txt" "$folder/plain.txt"
export HOME=$folder/home XDG_DATA_HOME=$folder/home/data XDG_CONFIG_HOME=$folder/home/config
timer=$build/bench/process_timer
# grep's start alone, over an empty input: the rest of its time is its scan.
start=$("$timer" "$runs" grep -c -i -F qz /dev/null)
printf 'grep start alone: %.2f ms\n' "$start"
printf '%-22s %12s %10s %10s %8s\n' "search" "lookup ms" "grep ms" "grep scan" "ratio"
for query in "qz" "-t archive" "-p word"; do
    term=${query##* }
    # shellcheck disable=SC2086  # the option and the term are two words
    lookup=$("$timer" "$runs" "$folder/lumbrafix-lookup" $query)
    grep=$("$timer" "$runs" grep -c -i -F "$term" "$folder/plain.txt")
    awk -v q="$query" -v l="$lookup" -v g="$grep" -v s="$start" \
        'BEGIN { printf "%-22s %12.2f %10.2f %10.2f %7.2fx\n", q, l, g, g - s, l / g }'
done
echo "goal: the lookup within 2x grep's whole process; best of $runs runs each"
