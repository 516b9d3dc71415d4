#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program, and runs every test. The
# window tests use Qt's offscreen platform; the smoke test starts the program
# under Xvfb; the page's tests build the page first and drive it in headless
# Chromium.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DBUILD_TESTING=ON -DVORLENTA_WINDOW=ON -DVORLENTA_PAGE=ON
(cd "$root/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
cd "$build"
exec "$root/scripts/with-display.sh" ctest --output-on-failure -j "$(nproc)"
