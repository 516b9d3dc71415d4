#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh" run
# A first build leaves the tests out, which need more packages; a build
# folder that has them keeps them.
configure=()
[ -f "$build/CMakeCache.txt" ] || configure=(-DBUILD_TESTING=OFF)
"$root/scripts/build.sh" -DVORLENTA_WINDOW=ON "${configure[@]}"
exec "$build/app/vorlenta" "$@"
