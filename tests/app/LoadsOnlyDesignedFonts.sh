#!/usr/bin/env bash
# End to end: the real program, once its main window is up, holds open only the font files its
# designed fonts resolve to. Loading the system's default font as well costs a font set-up at
# every start for text nobody sees.
set -euo pipefail
program=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
for pattern in "Liberation Sans" "Liberation Sans:bold" "Comic Neue"; do
    fc-match -f '%{file}\n' "$pattern"
done | sort -u > "$workdir/designed"

cat > "$workdir/probe.sh" <<PROBE
"$program" &
pid=\$!
for _ in \$(seq 50); do
    xwininfo -root -tree | grep -q '754x536' && break
    sleep 0.2
done
sleep 0.5
grep -oE '/[^ ]+\.(ttf|otf|pfb)$' /proc/\$pid/maps | sort -u > "$workdir/mapped"
kill \$pid
PROBE
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash "$workdir/probe.sh"
if [[ ! -s $workdir/mapped ]] || comm -23 "$workdir/mapped" "$workdir/designed" | grep .; then
    echo "font files held beyond the designed ones (above), or none at all:" >&2
    cat "$workdir/mapped" >&2
    exit 1
fi
