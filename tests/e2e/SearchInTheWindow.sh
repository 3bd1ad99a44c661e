#!/usr/bin/env bash
# End to end, as a user meets the program: the real binary under a virtual X server (X11, not
# the offscreen platform) opens its main window; a term typed into the extension field and
# Enter give hits; a screenshot shows the grid in its colours (grey header, green and pale
# green rows) and the hit count in red; the exit button closes the program.
#   SearchInTheWindow.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/session.sh" <<'SESSION'
set -euo pipefail
program=$1 shot=$2 log=$3

# Pixels of one colour inside a rectangle WxH+X+Y of the screenshot.
pixels() {
    convert "$shot" -crop "$1" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:round(mean*w*h)]' info:
}
grid=552x280+8+200 result=176x200+568+210

QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
window=
for _ in $(seq 300); do
    # By its title: the splash comes first and is gone again before a slow build's main window.
    window=$(xdotool search --all --onlyvisible --pid "$app" --name "Lumbrafix v1.2 - " 2>/dev/null |
        tail -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "no main window within 30 s, or the program ended first:"
    tail -n 40 "$log"
    exit 3
fi
sleep 0.5
# Points inside the controls of the 754 x 536 client area (there is no window manager).
xdotool mousemove --window "$window" 150 40 click 1     # the extension field
xdotool type --delay 30 doc
xdotool key Return
# The shot is taken once the result box shows red, or after 15 s (a slow sanitizer build).
for _ in $(seq 30); do
    sleep 0.5
    import -window "$window" "$shot"
    if [ "$(pixels "$result" "rgb(255,0,0)")" -gt 0 ]; then
        sleep 0.5
        import -window "$window" "$shot"
        break
    fi
done
xdotool mousemove --window "$window" 704 500 click 1    # the exit button
for _ in $(seq 150); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    echo "the exit button did not close the program"
    exit 1
fi
trap - EXIT
status=0
wait "$app" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the program ended with status $status:"
    tail -n 40 "$log"
    exit 1
fi

expect() {  # what, rectangle, colour, least number of pixels
    local count
    count=$(pixels "$2" "$3")
    if [ "$count" -lt "$4" ]; then
        echo "$1: $count pixels of $3, expected at least $4"
        status=1
    fi
}
expect "grid header in grey" "$grid" "rgb(128,128,128)" 2000
expect "odd hit rows in green" "$grid" "rgb(0,128,0)" 5000
expect "even hit rows in pale green" "$grid" "rgb(192,220,192)" 5000
expect "hit count in red" "$result" "rgb(255,0,0)" 30
exit $status
SESSION

# A free display from a random start, so that X tests started at the same moment do not race
# for the same number. A session whose window never came is tried once more: on a busy machine
# the virtual server is sometimes gone before the program connects.
for attempt in 1 2; do
    status=0
    xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" \
        bash "$work/session.sh" "$program" "$work/shot.png" "$work/program.log" || status=$?
    [ $status -eq 3 ] && [ $attempt -eq 1 ] || break
    echo "SearchInTheWindow: trying once more"
done
if [ $status -ne 0 ] && [ -f "$work/shot.png" ]; then
    cp "$work/shot.png" "${TMPDIR:-/tmp}/SearchInTheWindow-failed.png"
    echo "SearchInTheWindow: screenshot kept as ${TMPDIR:-/tmp}/SearchInTheWindow-failed.png"
fi
exit $status
