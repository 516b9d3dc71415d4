#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Evaluate fuzzer, the command line's line fuzzer and the squad's
# file fuzzer (clang, libFuzzer, ASan, UBSan) in a build folder of their own
# and runs them for the given number of seconds in all (default 60): half for
# Evaluate, three tenths for the squad's files, the rest for the line
# handling, which adds little code of its own.
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

# A folder configured when the fuzzers were a project of their own is
# configured anew.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^VORLENTA_FUZZ:BOOL=ON$' "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$clang" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORLENTA_FUZZ=ON -DVORLENTA_WINDOW=OFF -DBUILD_TESTING=OFF -DVORLENTA_DEBIAN_BUILD_FLAGS=OFF >/dev/null
cmake --build "$build" -j2 --target evaluate_fuzzer cli_line_fuzzer squad_fuzzer

mkdir -p "$build/corpus" "$build/cli_corpus" "$build/squad_corpus" "$build/artifacts"
cd "$build"
# Input length stays within what runs fast under the sanitizers; the limits at
# 32,767 characters are covered by the unit tests. The two expression fuzzers
# read the same seeds: a notation byte, then an expression; the squad's reads
# an options byte, then a file.
run() { # fuzzer corpus seconds seeds dictionary
    "$build/fuzz/$1" "$build/$2" "$here/$4" \
        -max_total_time="$3" -max_len=4096 -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$build/artifacts/$1-" -dict="$here/$5" -print_final_stats=1
}
squad_seconds=$((seconds * 3 / 10))
line_seconds=$((seconds / 5))
run evaluate_fuzzer corpus $((seconds - squad_seconds - line_seconds)) seeds evaluate.dict
run cli_line_fuzzer cli_corpus "$line_seconds" seeds evaluate.dict
run squad_fuzzer squad_corpus "$squad_seconds" squad_seeds squad.dict
