#!/usr/bin/env bash
# Start-up time against a bare Qt window with one line of text, built in the same tree:
# - from process start to the main window shown (mapped), for Lumbrafix and the bare window;
# - from process start to the window first painted, for "lumbrafix FILE" (which searches for
#   the file's extension before the window is first painted, so that paint shows the hits)
#   and for the bare window.
# They are started in turn, twenty times each (RUNS=N for another count), on one virtual X
# server; the best time of each is printed, with the ratios to the peer.
#
#   bench/startup/startup-bench.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
build=$(realpath "${1:-build}")
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
timer=$build/bench/startup/window_shown_timer
bare=$build/bench/startup/bare_window
lumbrafix=$build/src/lumbrafix
runs=${RUNS:-20}
file=$(mktemp --suffix=.doc)
trap 'rm -f "$file"' EXIT

lower() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || (b != "" && b < a)) ? b : a }'; }
best_bare='' best_label='' best_lumbrafix='' best_label_painted='' best_file_painted=''
for _ in $(seq "$runs"); do
    best_bare=$(lower "$best_bare" "$("$timer" "Bare window" "$bare" || true)")
    best_label=$(lower "$best_label" "$("$timer" "Bare window" "$bare" --label || true)")
    best_lumbrafix=$(lower "$best_lumbrafix" "$("$timer" "Lumbrafix v1.2 -" "$lumbrafix" || true)")
    best_label_painted=$(lower "$best_label_painted" \
        "$("$timer" --painted "Bare window" "$bare" --label || true)")
    best_file_painted=$(lower "$best_file_painted" \
        "$("$timer" --painted "Lumbrafix v1.2 -" "$lumbrafix" "$file" || true)")
done
echo "database: $(stat -c %s "$build/src/marbelin_ext.txt") bytes; best of $runs runs each"
echo "shown:   bare Qt window           $best_bare ms"
echo "shown:   bare Qt window with text $best_label ms"
echo "shown:   lumbrafix                $best_lumbrafix ms"
echo "painted: bare Qt window with text $best_label_painted ms"
echo "painted: lumbrafix $(basename "$file")   $best_file_painted ms"
awk -v l="$best_lumbrafix" -v t="$best_label" -v f="$best_file_painted" -v p="$best_label_painted" \
    'BEGIN { printf "ratio shown:   %.2fx the bare window with text (goal: within 1.2x)\n", l / t
             printf "ratio painted: %.2fx the bare window with text (goal: within 1.3x)\n", f / p }'
