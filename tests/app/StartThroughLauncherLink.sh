#!/usr/bin/env bash
# End to end: the real program, started under a virtual X server through a symbolic link in
# another folder, finds its database beside the real executable and opens its main window
# (754 x 536) without stopping at a message box first. Once the window is up, the program holds
# open only the font files its designed fonts resolve to: loading the system's default font as
# well costs a font set-up at every start for text nobody sees.
set -euo pipefail
program=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
ln -s "$program" "$workdir/lumbrafix"
for pattern in "Liberation Sans" "Liberation Sans:bold" "Comic Neue"; do
    fc-match -f '%{file}\n' "$pattern"
done | sort -u > "$workdir/designed"

cat > "$workdir/probe.sh" <<PROBE
"$workdir/lumbrafix" &
pid=\$!
for _ in \$(seq 50); do
    if xwininfo -root -tree | grep -q '754x536'; then
        sleep 0.5  # the first paint, which sets up the hit grid's font
        grep -oE '/[^ ]+\.(ttf|otf|pfb)$' /proc/\$pid/maps | sort -u > "$workdir/mapped"
        kill \$pid
        exit 0
    fi
    sleep 0.2
done
xwininfo -root -tree
kill \$pid
exit 1
PROBE
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash "$workdir/probe.sh"
if [[ ! -s $workdir/mapped ]] || comm -23 "$workdir/mapped" "$workdir/designed" | grep .; then
    echo "font files held beyond the designed ones (above), or none at all:" >&2
    cat "$workdir/mapped" >&2
    exit 1
fi
