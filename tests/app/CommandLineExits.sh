#!/usr/bin/env bash
# The program's answers on the command line, with and without a display: the exit status,
# what goes to which stream, and never an abort.
set -u
program=$1
failures=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# expect STATUS STDOUT-PATTERN STDERR-LINES [VARIABLE=VALUE]... PROGRAM [ARGUMENT]...
# An empty pattern stands for an empty standard output.
expect() {
    local status=$1 pattern=$2 lines=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$out" 2>"$err" </dev/null
    local got=$?
    if [[ $got != "$status" ]] || { [[ -z $pattern ]] && [[ -s $out ]]; } ||
        { [[ -n $pattern ]] && ! grep -q -- "$pattern" "$out"; } ||
        [[ $(wc -l <"$err") != "$lines" ]]; then
        echo "FAIL: $* -> status $got, stdout: $(head -c 200 "$out"), stderr: $(cat "$err")"
        failures=$((failures + 1))
    fi
}

expect 0 '^Usage: lumbrafix' 0 "$program" --help
expect 0 '^Usage: lumbrafix' 0 DISPLAY=:7913 "$program" -h
expect 0 '^lumbrafix 1\.2$' 0 "$program" --version
expect 2 '' 2 "$program" --no-such-option
expect 2 '' 2 "$program" -reverse
expect 2 '' 2 "$program" one.txt two.txt
expect 1 '' 1 "$program"
expect 1 '' 1 "$program" -- -reverse
# A display that names no reachable server: the windowing library gives up, and the program
# still ends with the one line rather than an abort.
expect 1 '' 1 DISPLAY=:7913 "$program" file.txt
exit $((failures > 0))
