#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds consumer/ against the library components installed to a scratch prefix,
# with find_package and with pkg-config. Usage: consumer_test.sh BUILD [FLAGS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/usr" --component libvorlenta-eval1 >/dev/null
cmake --install "$1" --prefix "$scratch/usr" --component libvorlenta-eval-dev >/dev/null
flags=(-std=c++20 -Wall -Wextra -Wpedantic -Werror ${2:-})
expected="711.22500000000002 8 11" # 72.5*9.81, the position in "mass*(2", division by zero

cmake -S "$here/consumer" -B "$scratch/cmake" -DCMAKE_PREFIX_PATH="$scratch/usr" -DCMAKE_CXX_FLAGS="${flags[*]}" >/dev/null
cmake --build "$scratch/cmake" >/dev/null
[ "$("$scratch/cmake/consumer")" = "$expected" ] || { echo "find_package: wrong output" >&2; exit 1; }

export PKG_CONFIG_PATH=$(dirname "$(find "$scratch/usr" -name vorlenta-eval.pc)")
c++ "${flags[@]}" "$here/consumer/main.cpp" -o "$scratch/consumer" $(pkg-config --cflags --libs vorlenta-eval)
[ "$(LD_LIBRARY_PATH=$(pkg-config --variable=libdir vorlenta-eval) "$scratch/consumer")" = "$expected" ] \
    || { echo "pkg-config: wrong output" >&2; exit 1; }

for header in $(cd "$scratch/usr/include" && find vorlenta -name '*.h'); do # each compiles on its own
    echo "#include <$header>" | c++ "${flags[@]}" $(pkg-config --cflags vorlenta-eval) -fsyntax-only -x c++ -
done

mkdir "$scratch/lacking" # a component the package lacks fails find_package, named
printf 'cmake_minimum_required(VERSION 3.22)\nproject(p CXX)\nfind_package(Vorlenta CONFIG REQUIRED COMPONENTS eval gui)\n' >"$scratch/lacking/CMakeLists.txt"
! cmake -S "$scratch/lacking" -B "$scratch/lacking/build" -DCMAKE_PREFIX_PATH="$scratch/usr" >"$scratch/log" 2>&1
grep -q 'no component "gui"' "$scratch/log" || { cat "$scratch/log" >&2; exit 1; }
