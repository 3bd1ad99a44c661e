#!/usr/bin/env bash
# Checks the Debian package made by CPack in a build folder: its file list, its dependencies, lintian, and, as
# root on a machine where Lumbrafix is not installed, that apt installs it, that the launcher
# leads to the program beside its database, and that purging leaves nothing behind.
#   tools/check-package.sh build/lumbrafix_1.2_amd64.deb
set -euo pipefail
deb=$(realpath "$1")

expected="/usr/bin/lumbrafix -> ../lib/lumbrafix/lumbrafix
/usr/bin/lumbrafix-lookup -> ../lib/lumbrafix/lumbrafix-lookup
/usr/lib/lumbrafix/lumbrafix-lookup
/usr/lib/lumbrafix/lumbrafix-lookup-files
/usr/lib/lumbrafix/lumbrafix
/usr/lib/lumbrafix/marbelin_ext.txt
/usr/share/applications/lumbrafix.desktop
/usr/share/doc/lumbrafix/changelog.gz
/usr/share/doc/lumbrafix/copyright
/usr/share/man/man1/lumbrafix.1.gz
/usr/share/man/man1/lumbrafix-lookup.1.gz
/usr/share/metainfo/de.marbelin_online.lumbrafix.metainfo.xml
/var/lib/lumbrafix/"
if [ -x "$(dirname "$deb")/tools/lumbrafix-fetch/lumbrafix-fetch" ]; then
    expected+=$'\n'"/usr/lib/lumbrafix/lumbrafix-fetch"
fi
for size in 16 32 48 64 128 256; do
    expected+=$'\n'"/usr/share/icons/hicolor/${size}x${size}/apps/lumbrafix.png"
done
# Files and links, and the one directory the package creates for itself.
actual=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}\.//' |
    awk '!/\/$/ || $0 == "/var/lib/lumbrafix/"')
if ! diff <(sort <<<"$expected") <(sort <<<"$actual"); then
    echo "check-package: the file list differs from the expected one (< expected, > package)" >&2
    exit 1
fi
grep -q "libqt6widgets6" <(dpkg-deb -f "$deb" Depends) ||
    { echo "check-package: Depends lacks Qt: $(dpkg-deb -f "$deb" Depends)" >&2; exit 1; }
for library in libmagic1 libglib2.0-0; do
    grep -q "$library" <(dpkg-deb -f "$deb" Depends) ||
        { echo "check-package: Depends lacks $library: $(dpkg-deb -f "$deb" Depends)" >&2; exit 1; }
done
grep -q "MIT\|Expat" <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/lumbrafix/copyright) ||
    { echo "check-package: the copyright file lacks the mime-types-data notice" >&2; exit 1; }

grep -q "fonts-liberation" <(dpkg-deb -f "$deb" Recommends) ||
    { echo "check-package: Recommends lacks the fonts: $(dpkg-deb -f "$deb" Recommends)" >&2; exit 1; }
metainfo=$(mktemp --suffix=.metainfo.xml)
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/de.marbelin_online.lumbrafix.metainfo.xml >"$metainfo"
appstreamcli validate --no-net "$metainfo" >/dev/null ||
    { echo "check-package: appstreamcli rejects the AppStream metadata" >&2; rm -f "$metainfo"; exit 1; }
rm -f "$metainfo"

lintian --fail-on error "$deb"

if [ "$(id -u)" -ne 0 ] || dpkg-query -W lumbrafix >/dev/null 2>&1; then
    echo "check-package: install test skipped (needs root and no installed lumbrafix)"
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
trap 'apt-get purge -y -qq lumbrafix >/dev/null 2>&1 || true' EXIT
[ "$(readlink -f /usr/bin/lumbrafix)" = /usr/lib/lumbrafix/lumbrafix ]
# The lookup runs from PATH without a display and finds the installed database.
lumbrafix-lookup .pdf >/dev/null
[ -s /usr/lib/lumbrafix/marbelin_ext.txt ] && [ -d /var/lib/lumbrafix ]
touch /var/lib/lumbrafix/settings-written-by-the-program
apt-get purge -y -qq lumbrafix >/dev/null
trap - EXIT
for path in /usr/bin/lumbrafix /usr/bin/lumbrafix-lookup /usr/lib/lumbrafix /var/lib/lumbrafix /usr/share/doc/lumbrafix; do
    if [ -e "$path" ] || [ -L "$path" ]; then
        echo "check-package: $path is left after purging" >&2
        exit 1
    fi
done
echo "check-package: file list, dependencies, lintian, install and purge are fine"
