#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds the project in build/ (or $VORLENTA_BUILD_DIR), with
# warnings as errors. Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DVORLENTA_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
