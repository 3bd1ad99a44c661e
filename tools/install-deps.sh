#!/usr/bin/env bash
# Installs what Lumbrafix needs on Debian 12: to build and run it, or with --tests also to
# test, benchmark, fuzz and package it.
#   tools/install-deps.sh           building and running
#   tools/install-deps.sh --tests   everything the tests and CI need as well
# No web server is left running or enabled: the tests start their own nginx on 127.0.0.1.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config   # compiler and build tools
    qt6-base-dev libgl-dev libxkbcommon-dev        # Qt 6 Widgets for the windows
    libjpeg62-turbo-dev                            # decoding the product picture
    libmagic-dev                                   # a file's type from its content
    libglib2.0-dev                                 # GIO: the desktop's applications for a type
    fonts-liberation fonts-comic-neue              # stand-ins for the designed fonts
    media-types ruby-mime-types-data               # MIME registries the database is built from
    nlohmann-json3-dev                             # reading mime-types.json
)
test_packages=(
    libgtest-dev libgmock-dev                      # unit and widget tests
    libbenchmark-dev libx11-dev libxdamage-dev     # benchmarks, start-up timer
    clang libclang-rt-14-dev                       # libFuzzer targets
    clang-format                                   # the format target
    xvfb xauth x11-utils xdotool imagemagick       # end-to-end runs without a display
    dpkg-dev lintian appstream                     # the Debian package and its checks
    nginx-light curl                               # HTTP client tests and fetch benchmark
)
case "${1-}" in
    "") ;;
    --tests) packages+=("${test_packages[@]}") ;;
    *) echo "usage: tools/install-deps.sh [--tests]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# A web server installed here for the tests is neither started now nor enabled at boot.
# policy-rc.d refuses the start during the installation (for nginx only); the service is
# then disabled, as the package enables it regardless.
policy=/usr/sbin/policy-rc.d
new_web_server=false
if [[ " ${missing[*]} " == *" nginx-light "* ]]; then
    new_web_server=true
fi
if $new_web_server && [ ! -e "$policy" ]; then
    run_as_root sh -c "printf '#!/bin/sh\n[ \"\$1\" = nginx ] && exit 101\nexit 0\n' > $policy && chmod 755 $policy"
    trap 'run_as_root rm -f "$policy"' EXIT
fi

run_as_root apt-get update -qq
run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"

if $new_web_server; then
    if command -v systemctl >/dev/null; then
        run_as_root systemctl disable --quiet nginx.service 2>/dev/null || true
        run_as_root systemctl stop nginx.service 2>/dev/null || true
    fi
    if command -v update-rc.d >/dev/null; then
        run_as_root update-rc.d nginx disable >/dev/null 2>&1 || true
    fi
fi
