#!/usr/bin/env bash
# Start-up time: from process start to the main window shown, for Lumbrafix with the database
# beside it and for a bare Qt window built in the same tree (also with one line of text, to
# show what the font set-up alone costs). They are started in turn, ten times each, on one
# virtual X server; the best time of each is printed.
#
#   bench/startup/startup-bench.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
build=$(realpath "${1:-build}")
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
timer=$build/bench/startup/window_shown_timer
runs=10

best_lumbrafix='' best_bare='' best_label=''
lower() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
bare=$build/bench/startup/bare_window
for _ in $(seq "$runs"); do
    best_bare=$(lower "$best_bare" "$("$timer" "Bare window" "$bare")")
    best_label=$(lower "$best_label" "$("$timer" "Bare window" "$bare" --label)")
    best_lumbrafix=$(lower "$best_lumbrafix" "$("$timer" "Lumbrafix v1.2 -" "$build/src/lumbrafix")")
done
echo "database: $(stat -c %s "$build/src/marbelin_ext.txt") bytes; best of $runs runs each"
echo "bare Qt window:            $best_bare ms"
echo "bare Qt window with text:  $best_label ms"
echo "Lumbrafix:                 $best_lumbrafix ms"
awk -v l="$best_lumbrafix" -v b="$best_bare" -v t="$best_label" \
    'BEGIN { printf "ratio: %.2fx the bare window (goal: within 1.5x), %.2fx the one with text\n", l / b, l / t }'
