#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vorlenta-eval beside bc and qalc, in one run on the same machine and load:
#   streaming: 100,000 lines such as (323.833+150.849)*650.934-72.436 through
#     one process each (vorlenta-eval, bc -l), median of 5 runs;
#   one expression per process: median wall time of 200 starts each of
#     vorlenta-eval, bc -l, qalc, and a bare QCoreApplication printing one
#     number (the floor for any QtCore command).
# Prints the medians and the ratios, and whether each goal is met.
#
# usage: bench/cli/run.sh [path/to/vorlenta-eval]
#   default: vorlenta-eval on PATH, else build/cli/vorlenta-eval
# needs: sudo apt-get install bc qalc hyperfine   (for this benchmark only)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
program=${1:-$(command -v vorlenta-eval || echo "$root/build/cli/vorlenta-eval")}
[ -x "$program" ] || { echo "no vorlenta-eval executable at $program" >&2; exit 2; }
for tool in bc qalc hyperfine; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: sudo apt-get install bc qalc hyperfine" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work LC_ALL=C # qalc keeps its settings under HOME; one notation for all

# shellcheck disable=SC2046 # pkg-config's flags are meant to split
c++ -O2 -fPIC -std=c++17 -o "$work/qt_floor" "$here/qt_floor.cpp" $(pkg-config --cflags --libs Qt6Core)

# The same 100,000 lines on every run: awk's generator with a fixed seed.
awk 'BEGIN { srand(20261206); for (i = 0; i < 100000; ++i)
    printf "(%.3f+%.3f)*%.3f-%.3f\n", rand()*1000, rand()*1000, rand()*1000, rand()*1000 }' >"$work/lines.txt"
expression='(323.833+150.849)*650.934-72.436'
printf '%s\nquit\n' "$expression" >"$work/one.bc"

# Both sides agree on the file before either is timed.
"$program" --point <"$work/lines.txt" >"$work/vorlenta.out"
bc -l "$work/lines.txt" </dev/null >"$work/bc.out"
paste -d' ' "$work/vorlenta.out" "$work/bc.out" |
    awk '{ d = $1 - $2; if (d < 0) d = -d; if (d > 1e-6 * ($2 < 0 ? -$2 : $2) + 1e-9) { print "values differ at line " NR ": " $0; bad = 1; exit } }
         END { exit bad }' >&2

median() { awk -F, -v name="$2" 'NR > 1 && $1 == name { print $5 }' "$1"; } # hyperfine's CSV: median in seconds

hyperfine --style basic --warmup 1 --runs 5 --export-csv "$work/stream.csv" \
    -n vorlenta-eval "'$program' --point <'$work/lines.txt' >/dev/null" \
    -n bc "bc -l '$work/lines.txt' </dev/null >/dev/null" >/dev/null
hyperfine --style basic -N --warmup 20 --runs 200 --export-csv "$work/start.csv" \
    -n vorlenta-eval "$program --point $expression" \
    -n bc "bc -l $work/one.bc" \
    -n qalc "qalc $expression" \
    -n qt_floor "$work/qt_floor" >/dev/null

awk -v v="$(median "$work/stream.csv" vorlenta-eval)" -v b="$(median "$work/stream.csv" bc)" \
    -v sv="$(median "$work/start.csv" vorlenta-eval)" -v sb="$(median "$work/start.csv" bc)" \
    -v sq="$(median "$work/start.csv" qalc)" -v sf="$(median "$work/start.csv" qt_floor)" 'BEGIN {
    printf "streaming 100,000 lines: vorlenta-eval %.3f s, bc -l %.3f s: bc/vorlenta %.2f (goal >= 1.0: %s)\n", v, b, b / v, (b / v >= 1) ? "met" : "MISSED"
    printf "one expression per process, median: vorlenta-eval %.2f ms, bc -l %.2f ms, qalc %.2f ms, QCoreApplication floor %.2f ms\n", sv * 1e3, sb * 1e3, sq * 1e3, sf * 1e3
    printf "  vorlenta/bc %.2f (goal <= 1.5: %s), qalc/vorlenta %.1f (goal >= 10: %s), vorlenta/floor %.2f\n", sv / sb, (sv / sb <= 1.5) ? "met" : "MISSED", sq / sv, (sq / sv >= 10) ? "met" : "MISSED", sv / sf
}'
