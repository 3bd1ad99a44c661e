#!/usr/bin/env bash
# Start-up time against a bare Qt window with one line of text, built in the same tree:
# - from process start to the main window shown (mapped), for Lumbrafix and the bare window;
# - from process start to the window first painted, for "lumbrafix FILE" (which searches for
#   the file's extension before the window is first painted, so that paint shows the hits)
#   and for the bare window.
# They are started in turn, twenty times each (RUNS=N for another count), on one virtual X
# server; the best and the median time of each are printed, with the ratios to the peer. The
# best time of a side can be one lucky start, so its ratio moves by several percent from run to
# run; the median's is the steadier figure.
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
times=$(mktemp -d)
# A desktop session has a runtime folder; without one Qt warns at every start.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -f "$file"; rm -rf "$times" "$XDG_RUNTIME_DIR"' EXIT
time_start() {  # NAME TIMER_ARGUMENT...: one start, its time appended to the NAME list
    local name=$1
    shift
    "$timer" "$@" >> "$times/$name" || true
}
for _ in $(seq "$runs"); do
    time_start bare "Bare window" "$bare"
    time_start label "Bare window" "$bare" --label
    time_start lumbrafix "Lumbrafix v1.2 -" "$lumbrafix"
    time_start label_painted --painted "Bare window" "$bare" --label
    time_start file_painted --painted "Lumbrafix v1.2 -" "$lumbrafix" "$file"
done
best() { sort -n "$times/$1" | head -n 1; }
median() { sort -n "$times/$1" | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
line() { printf '%-42s best %5.1f ms  median %5.1f ms\n' "$1" "$(best "$2")" "$(median "$2")"; }
ratio() {  # TEXT GOAL NAME PEER_NAME
    awk -v t="$1" -v g="$2" -v bl="$(best "$3")" -v bp="$(best "$4")" \
        -v ml="$(median "$3")" -v mp="$(median "$4")" \
        'BEGIN { printf "ratio %-8s best %.2fx  median %.2fx the bare window with text (goal: within %s)\n", t, bl / bp, ml / mp, g }'
}
echo "database: $(stat -c %s "$build/src/marbelin_ext.txt") bytes; $runs runs each"
line "shown:   bare Qt window" bare
line "shown:   bare Qt window with text" label
line "shown:   lumbrafix" lumbrafix
line "painted: bare Qt window with text" label_painted
line "painted: lumbrafix $(basename "$file")" file_painted
ratio shown: 1.2x lumbrafix label
ratio painted: 1.3x file_painted label_painted
