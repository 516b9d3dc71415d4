#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vorlenta-eval beside bc, in one run on the same machine and load:
#   streaming: 100,000 lines such as (323.833+150.849)*650.934-72.436 through
#     one process each (vorlenta-eval, bc -l), median of 5 runs;
#   one expression per process: wall time of 100 starts each of
#     vorlenta-eval with the expression as argument, bc -l reading it from a
#     file, and a plain C++ "hello" (hello.cpp, the floor for any C++
#     command), alternated start by start (each after one unmeasured start,
#     the first of a round in turn) so that a drift of the machine's speed
#     touches all three alike; the median of each; and qalc, when it is
#     installed, for comparison.
# Prints the medians and the ratios, and whether each goal is met.
#
# usage: bench/cli/run.sh [path/to/vorlenta-eval]
#   default: vorlenta-eval on PATH, else build/cli/vorlenta-eval
# needs: sudo apt-get install bc hyperfine python3   (qalc optional)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
program=${1:-$(command -v vorlenta-eval || echo "$root/build/cli/vorlenta-eval")}
rounds=${VORLENTA_CLI_BENCH_ROUNDS:-100}
[ -x "$program" ] || { echo "no vorlenta-eval executable at $program" >&2; exit 2; }
for tool in bc hyperfine python3; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: sudo apt-get install bc hyperfine python3" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work LC_ALL=C # qalc keeps its settings under HOME; one notation for all

c++ -O2 -o "$work/hello" "$here/hello.cpp"

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

hyperfine --style none --warmup 1 --runs 5 --export-json "$work/stream.json" \
    -n vorlenta-eval "'$program' --point <'$work/lines.txt' >/dev/null" \
    -n bc "bc -l '$work/lines.txt' </dev/null >/dev/null" >/dev/null
names=(vorlenta-eval bc hello)
commands=("$program --point $expression" "bc -l $work/one.bc" "$work/hello")
for round in $(seq "$rounds"); do
    arguments=() # each round starts with the next of the three: no place is favoured
    for i in 0 1 2; do
        k=$(((round + i) % 3))
        arguments+=(-n "${names[k]}" "${commands[k]}")
    done
    hyperfine --style none -N --warmup 1 --runs 1 --export-json "$work/start.$round.json" "${arguments[@]}" >/dev/null
done
if command -v qalc >/dev/null; then
    hyperfine --style none -N --warmup 2 --runs 20 --export-json "$work/qalc.json" -n qalc "qalc $expression" >/dev/null
fi

python3 - "$work" <<'PYTHON'
import glob, json, statistics, sys
work = sys.argv[1]
def times(pattern):
    found = {}
    for path in sorted(glob.glob(f"{work}/{pattern}")):
        for result in json.load(open(path))["results"]:
            found.setdefault(result["command"], []).extend(result["times"])
    return {name: statistics.median(values) for name, values in found.items()}
stream, start, qalc = times("stream.json"), times("start.*.json"), times("qalc.json")
def verdict(met): return "met" if met else "MISSED"
ratio = stream["vorlenta-eval"] / stream["bc"]
print(f"streaming 100,000 lines: vorlenta-eval {stream['vorlenta-eval']:.3f} s, bc -l {stream['bc']:.3f} s: "
      f"vorlenta/bc {ratio:.2f} (goal <= 0.5: {verdict(ratio <= 0.5)})")
v, b, h = start["vorlenta-eval"], start["bc"], start["hello"]
print(f"one expression per process, median of {len(glob.glob(work + '/start.*.json'))} starts each: "
      f"vorlenta-eval {v * 1e3:.3f} ms, bc -l {b * 1e3:.3f} ms, C++ hello {h * 1e3:.3f} ms"
      + (f", qalc {qalc['qalc'] * 1e3:.1f} ms" if qalc else ""))
print(f"  vorlenta/bc {v / b:.2f} (goal <= 1.2: {verdict(v / b <= 1.2)}), "
      f"vorlenta/hello {v / h:.2f} (goal <= 1.1: {verdict(v / h <= 1.1)})"
      + (f", qalc/vorlenta {qalc['qalc'] / v:.0f}" if qalc else ""))
PYTHON
