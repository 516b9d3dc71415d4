#!/usr/bin/env bash
# Builds the Evaluate fuzzer (clang, libFuzzer, ASan, UBSan) in a build folder
# of its own and runs it for the given number of seconds (default 60).
# Exits non-zero on a crash, a leak, undefined behaviour, a hang or a broken
# invariant; the input that caused it is left in the build folder.
#
#   fuzz/run.sh [SECONDS]
#   VORLENTA_FUZZ_BUILD=/path/to/build fuzz/run.sh 600
set -euo pipefail

seconds="${1:-60}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${VORLENTA_FUZZ_BUILD:-$here/../build-fuzz}"
clang="${VORLENTA_FUZZ_CXX:-$(command -v clang++-14 || command -v clang++)}"

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER="$clang" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target evaluate_fuzzer

mkdir -p "$build/corpus" "$build/artifacts"
cd "$build"
# Input length stays within what runs fast under the sanitizers; the limits at
# 32,767 characters are covered by the unit tests.
exec ./evaluate_fuzzer "$build/corpus" "$here/seeds" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$build/artifacts/" -dict="$here/evaluate.dict" -print_final_stats=1
