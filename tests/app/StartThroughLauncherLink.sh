#!/usr/bin/env bash
# End to end: the real program, started under a virtual X server through a symbolic link in
# another folder, finds its database beside the real executable and opens its main window
# (754 x 536) without stopping at a message box first.
set -euo pipefail
program=$1
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
ln -s "$program" "$workdir/lumbrafix"

cat > "$workdir/probe.sh" <<PROBE
"$workdir/lumbrafix" &
pid=\$!
for _ in \$(seq 50); do
    if xwininfo -root -tree | grep -q '754x536'; then
        kill \$pid
        exit 0
    fi
    sleep 0.2
done
xwininfo -root -tree
kill \$pid
exit 1
PROBE
xvfb-run -a -s "-screen 0 1024x768x24" bash "$workdir/probe.sh"
