#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the evaluator's tests under valgrind memcheck, which sees what the
# sanitizers do not: reads of uninitialised memory (leaks are the sanitized
# run's). Uses the build in build/ (or $VORLENTA_BUILD_DIR), building it
# first; any error fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DBUILD_TESTING=ON >/dev/null
valgrind --tool=memcheck --error-exitcode=1 --track-origins=yes --leak-check=no \
    --quiet "$build/tests/eval/eval_tests" --gtest_brief=1
