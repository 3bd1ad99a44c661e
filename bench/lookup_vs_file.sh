#!/usr/bin/env bash
# Times `lumbrafix-lookup --file` against `file --mime-type` on the same files, in one run,
# each from start to end as a whole process, best of 5. lumbrafix-lookup does more (it also
# loads the database, asks Qt's MIME database and GIO); the ratio shows what that costs.
#
# Usage: bench/lookup_vs_file.sh [path/to/lumbrafix-lookup] [FILE...]
#   default program: build/src/lumbrafix-lookup; default files: a made set of 200 files
set -euo pipefail

lookup=${1:-build/src/lumbrafix-lookup}
shift || true
runs=5

[ -x "$lookup" ] || { echo "no lumbrafix-lookup at $lookup (build first)" >&2; exit 2; }
command -v file >/dev/null || { echo "file is not installed" >&2; exit 2; }

folder=$(mktemp -d /tmp/lumbrafix-lookup-bench-XXXXXX)
trap 'rm -rf "$folder"' EXIT

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    # A mix a user's download folder might hold: images, documents, programs, texts,
    # archives, some of them under a wrong name.
    for i in $(seq 40); do
        printf '\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0' > "$folder/photo$i.png"
        printf '%%PDF-1.4\n%%%%EOF\n' > "$folder/report$i.pdf"
        cp /bin/true "$folder/program$i.pdf"
        printf 'int main(void) { return %d; }\n' "$i" > "$folder/source$i.c"
        printf 'PK\003\004%s' "$i" > "$folder/archive$i.zip"
    done
    files=("$folder"/*)
fi

# Best wall-clock time of the runs of a command, in milliseconds.
best_of() {
    local best= start end ms
    for _ in $(seq $runs); do
        start=$(date +%s%N)
        "$@" > /dev/null
        end=$(date +%s%N)
        ms=$(( (end - start) / 1000000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

lookup_ms=$(best_of "$lookup" --file "${files[@]}")
file_ms=$(best_of file --mime-type "${files[@]}")

echo "files: ${#files[@]}, best of $runs, start to end"
echo "lumbrafix-lookup --file: ${lookup_ms} ms"
echo "file --mime-type:        ${file_ms} ms"
awk -v l="$lookup_ms" -v f="$file_ms" 'BEGIN { printf "lumbrafix-lookup / file: %.2f\n", l / (f > 0 ? f : 1) }'
