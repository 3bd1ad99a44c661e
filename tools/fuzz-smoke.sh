#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a few seconds each (default 10), so that a
# target that crashes at once, or on what it finds quickly, fails CI.
#   tools/fuzz-smoke.sh build-fuzz [SECONDS]
set -euo pipefail
build=$1
seconds=${2:-10}
mapfile -t targets < <(find "$build/fuzz" -maxdepth 2 -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz-smoke: no fuzz targets under $build/fuzz" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    name=$(basename "$target")
    mkdir -p "$work/$name"
    echo "fuzz-smoke: $name for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -artifact_prefix="$work/$name-" "$work/$name" \
        >"$work/$name.log" 2>&1; then
        tail -n 40 "$work/$name.log" >&2
        echo "fuzz-smoke: $name failed" >&2
        exit 1
    fi
done
echo "fuzz-smoke: ${#targets[@]} target(s) ran ${seconds}s each without a finding"
