#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ (or $VORLENTA_SANITIZE_BUILD_DIR) and runs every test under
# them. Any finding ends the program that has it and so fails its test.
# Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_SANITIZE_BUILD_DIR:-$root/build-sanitize}

# Findings are fatal, and a leak found at exit fails the program too.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DVORLENTA_WARNINGS_AS_ERRORS=ON -DVORLENTA_SANITIZE=ON "$@" >/dev/null
# A top level that lost its include of cmake/Sanitizers.cmake would build
# without them, and the run would prove nothing.
if ! grep -q -- "-fsanitize=address" "$build/compile_commands.json"; then
    echo "the build in $build is not sanitized" >&2
    exit 1
fi
cmake --build "$build" -j "$(nproc)"
cd "$build"
exec "$root/scripts/with-display.sh" ctest --output-on-failure -j "$(nproc)"
