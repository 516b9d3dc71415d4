#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds consumer/ against the library components installed to a scratch prefix,
# with find_package as C++17 and with pkg-config as C++20, each installed header
# on its own as C++17, and the three installed examples; none may see Qt.
# Usage: consumer_test.sh BUILD [FLAGS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/usr" --component libvorlenta-eval2 >/dev/null
cmake --install "$1" --prefix "$scratch/usr" --component libvorlenta-eval-dev >/dev/null
strict=(-Wall -Wextra -Wpedantic -Werror ${2:-})
expected="711.22500000000002 8 11" # 72.5*9.81, the position in "mass*(2", division by zero

cmake -S "$here/consumer" -B "$scratch/cmake" -DCMAKE_PREFIX_PATH="$scratch/usr" \
    -DCMAKE_CXX_STANDARD=17 -DCMAKE_CXX_FLAGS="${strict[*]}" >/dev/null
cmake --build "$scratch/cmake" >/dev/null
[ "$("$scratch/cmake/consumer")" = "$expected" ] || { echo "find_package: wrong output" >&2; exit 1; }

export PKG_CONFIG_PATH=$(dirname "$(find "$scratch/usr" -name vorlenta-eval.pc)")
libdir=$(pkg-config --variable=libdir vorlenta-eval)
c++ -std=c++20 "${strict[@]}" "$here/consumer/main.cpp" -o "$scratch/consumer" $(pkg-config --cflags --libs vorlenta-eval)
[ "$(LD_LIBRARY_PATH=$libdir "$scratch/consumer")" = "$expected" ] || { echo "pkg-config: wrong output" >&2; exit 1; }
! LD_LIBRARY_PATH=$libdir ldd "$scratch/consumer" | grep -Ei 'libQt|libicu' || { echo "a consumer loads Qt or ICU" >&2; exit 1; }
! grep -rli 'qt' "$scratch/usr/include" "$libdir/cmake" "$libdir/pkgconfig" || { echo "Qt named in the installed files" >&2; exit 1; }

for header in $(cd "$scratch/usr/include" && find vorlenta -name '*.h'); do # each compiles on its own
    echo "#include <$header>" | c++ -std=c++17 "${strict[@]}" $(pkg-config --cflags vorlenta-eval) -fsyntax-only -x c++ -
done

examples=$(find "$scratch/usr" -type d -name examples)
cmake -S "$examples/cmake" -B "$scratch/force" -DCMAKE_PREFIX_PATH="$scratch/usr" -DCMAKE_CXX_FLAGS="${2:-}" >/dev/null
cmake --build "$scratch/force" >/dev/null
[ "$("$scratch/force/force")" = "mass*9.81 = 711.22500000000002
notice 11: The expression cannot be evaluated: it divides by zero.
mass/0 = 0
mass*(9.81: Closing parenthesis expected at 11" ] || { echo "examples/cmake: wrong output" >&2; exit 1; }
cmake -S "$examples/plot" -B "$scratch/plot" -DCMAKE_PREFIX_PATH="$scratch/usr" -DCMAKE_CXX_FLAGS="${2:-}" >/dev/null
cmake --build "$scratch/plot" >/dev/null
[ "$("$scratch/plot/plot")" = "$(printf '0\t-1\n0.5\t-2.2360679774997898\n1\tDivision by zero\n1.5\t3.6055512754639891\n2\t2.2360679774997898')" ] \
    || { echo "examples/plot: wrong output" >&2; exit 1; }
cp -r "$examples/pkg-config" "$scratch/check"
CXXFLAGS="${2:-}" make -s -C "$scratch/check" >/dev/null
status=0
output=$(LD_LIBRARY_PATH=$libdir "$scratch/check/check" '2*g' 'E' '1/0') || status=$?
[ "$status" = 3 ] && [ "$output" = "19.620000000000001
E: Operand expected at 2
1/0: Division by zero" ] || { echo "examples/pkg-config: wrong output ($status): $output" >&2; exit 1; }

mkdir "$scratch/lacking" # a component the package lacks fails find_package, named
printf 'cmake_minimum_required(VERSION 3.22)\nproject(p CXX)\nfind_package(Vorlenta CONFIG REQUIRED COMPONENTS eval gui)\n' >"$scratch/lacking/CMakeLists.txt"
! cmake -S "$scratch/lacking" -B "$scratch/lacking/build" -DCMAKE_PREFIX_PATH="$scratch/usr" >"$scratch/log" 2>&1
grep -q 'no component "gui"' "$scratch/log" || { cat "$scratch/log" >&2; exit 1; }
