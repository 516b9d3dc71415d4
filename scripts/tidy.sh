#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy (14, Debian 12) with the checks of .clang-tidy over every
# source of the project in the compile database of build/ (or
# $VORLENTA_BUILD_DIR), configuring that build first if it has none: the core,
# the window, the command line and the tests. Any finding fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
run_clang_tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
[ -n "$run_clang_tidy" ] || { echo "tidy.sh: run-clang-tidy is missing: run scripts/install-deps.sh" >&2; exit 1; }
"$root/scripts/build.sh" -DBUILD_TESTING=ON >/dev/null
# The project's own sources, not those a build folder generated (moc and the like).
exec "$run_clang_tidy" -p "$build" -j "$(nproc)" -quiet \
    -clang-tidy-binary "$(command -v clang-tidy-14 || command -v clang-tidy)" "^$root/(?!build)[a-z]+/"
