#!/usr/bin/env bash
# cmake --install into a scratch root, with the default program folder /opt/lumbrafix:
# the program and its database in the program folder, a launcher link in bin that leads to
# the program, the desktop entry with "Exec=lumbrafix %f", the icons in every size, and the
# machine-wide settings folder.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /opt/lumbrafix >/dev/null

fail() { echo "InstallLayout: $*" >&2; exit 1; }
[ -x "$root/opt/lumbrafix/lumbrafix" ] || fail "no program in /opt/lumbrafix"
[ -s "$root/opt/lumbrafix/marbelin_ext.txt" ] || fail "no database beside the program"
link=$root/usr/bin/lumbrafix
[ -L "$link" ] || fail "no launcher link in /usr/bin"
[ "$(cd "$(dirname "$link")" && realpath -m "$(readlink "$link")")" = "$root/opt/lumbrafix/lumbrafix" ] ||
    fail "the launcher leads to $(readlink "$link")"
desktop=$root/usr/share/applications/lumbrafix.desktop
grep -qx 'Exec=lumbrafix %f' "$desktop" || fail "desktop entry without Exec=lumbrafix %f"
grep -qx 'Icon=lumbrafix' "$desktop" || fail "desktop entry without Icon=lumbrafix"
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/lumbrafix.png
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
done
[ -d "$root/var/lib/lumbrafix" ] || fail "no machine-wide settings folder"
