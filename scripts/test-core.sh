#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the core and the command line without the window into build-core/
# (or $VORLENTA_CORE_BUILD_DIR), with Qt kept out of CMake's reach as on a
# machine that has none, and runs their tests: the core needs nothing but the
# C++ standard library. Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_CORE_BUILD_DIR:-$root/build-core}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DVORLENTA_WARNINGS_AS_ERRORS=ON \
    -DVORLENTA_WINDOW=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DVORLENTA_PAGE=OFF "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
exec ctest --output-on-failure -j "$(nproc)"
