#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the evaluator and its tests with ThreadSanitizer into build-tsan/ (or
# $VORLENTA_TSAN_BUILD_DIR) and runs the tests of evaluators used on several
# threads at once under it. A data race fails the run. Extra arguments go to
# CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_TSAN_BUILD_DIR:-$root/build-tsan}
tsan=(-fsanitize=thread -fno-omit-frame-pointer)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DVORLENTA_WARNINGS_AS_ERRORS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="${tsan[*]}" -DCMAKE_EXE_LINKER_FLAGS="${tsan[*]}" \
    -DCMAKE_SHARED_LINKER_FLAGS="${tsan[*]}" "$@" >/dev/null
cmake --build "$build" -j2 --target eval_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 "$build/tests/eval/eval_tests" --gtest_filter='Notation.EvaluatorsOnTwoThreads*:Notices.*:Compiled.Threads*'
