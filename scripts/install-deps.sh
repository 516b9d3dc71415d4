#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing, using sudo unless run as
# root. `install-deps.sh run` installs what building and running the
# calculator needs; with no argument it installs that and everything the
# tests, benchmarks, fuzzers, packages and the page need.
set -euo pipefail

# Build and run: compiler, CMake, Qt with its translation tools and platform
# plugins, and rsvg-convert, which renders the icons.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n qt6-qpa-plugins
    libgl-dev fonts-dejavu-core librsvg2-bin
)
if [ "${1:-all}" != run ]; then
    packages+=(
        libgtest-dev libbenchmark-dev libmuparser-dev
        clang libclang-rt-14-dev clang-format clang-tidy
        xvfb xauth x11-utils xdotool
        build-essential dpkg-dev debhelper lintian autopkgtest diffoscope-minimal
        file desktop-file-utils appstream tidy
        galculator dbus-daemon libx11-dev
        groff man-db time valgrind locales
        libedit2 tmux bc hyperfine python3 miller gawk
        chromium
    )
fi
# The page: Debian's emscripten compiles the model to WebAssembly (with its
# python3 and node); pngquant makes the page's icon small.
[ "${1:-all}" = run ] || packages+=(emscripten pngquant)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# The page's tests run on Node with npm: Debian's, unless another node is there.
if [ "${1:-all}" != run ] && ! command -v npm >/dev/null; then
    missing+=(nodejs npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
