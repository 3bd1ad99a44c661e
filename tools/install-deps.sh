#!/usr/bin/env bash
# Installs what Lumbrafix needs to build, test and run on Debian 12.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config   # compiler and build tools
    qt6-base-dev libgl-dev libxkbcommon-dev        # Qt 6 Widgets for the windows
    libjpeg62-turbo-dev                            # decoding the product picture
    libgtest-dev libgmock-dev                      # unit and widget tests
    libbenchmark-dev libx11-dev libxdamage-dev     # benchmarks, start-up timer
    clang libclang-rt-14-dev                       # libFuzzer targets
    clang-format                                   # the format target
    fonts-liberation fonts-comic-neue              # stand-ins for the designed fonts
    xvfb xauth x11-utils xdotool imagemagick       # end-to-end runs without a display
    media-types ruby-mime-types-data               # MIME registries the database is built from
    nlohmann-json3-dev                             # reading mime-types.json
    dpkg-dev lintian                               # the Debian package and its checks
    nginx-light curl                               # HTTP client tests and fetch benchmark
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
run_as_root apt-get update -qq
run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
