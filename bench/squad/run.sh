#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vorlenta-squad against Miller and awk on the same squad file and formula,
# in one run: generates the files, runs each tool several times, checks that
# their results agree to the bit, and prints the median times.
#
#   bench/squad/run.sh [VORLENTA_SQUAD] [ROWS] [RUNS]
#
# The formula file holds what Miller and awk can compute too: names, groups
# and three numbers per athlete, and the formula idx = (squat+bench)/mass.
# The calculator file adds the calculators' inputs, whose derived columns
# (the window's texts) only vorlenta-squad computes: its time is given alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
squad=${1:-$root/build/cli/vorlenta-squad}
rows=${2:-1000000}
runs=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$rows" 'BEGIN { srand(1); print "name,group,squat,bench,mass"
    for (i = 0; i < n; i++) printf "athlete%d,g%d,%.1f,%.1f,%.1f\n", i, i % 7, 60 + rand() * 140, 40 + rand() * 110, 50 + rand() * 60 }' \
    >"$work/formula.csv"
awk -v n="$rows" 'BEGIN { srand(2); print "name,body_mass,body_fat,load,reps,speed,bike_mass,grade,squat,bench"
    for (i = 0; i < n; i++) printf "athlete%d,%.1f,%.1f,%.1f,%d,%.1f,%.1f,%.1f,%.1f,%.1f\n", i, 50 + rand() * 60, 8 + rand() * 20,
        40 + rand() * 100, 1 + int(rand() * 12), 20 + rand() * 20, 7 + rand() * 3, -5 + rand() * 10, 60 + rand() * 140, 40 + rand() * 110 }' \
    >"$work/calculators.csv"

# The same arithmetic in each tool. awk prints 17 significant digits, which
# read back to the same double.
awk_program='BEGIN { FS = OFS = ","; OFMT = CONVFMT = "%.17g" } NR == 1 { print $0, "idx"; next } { print $0, ($3 + $4) / $5 }'
declare -A command=(
    [vorlenta-squad]="$squad -c 'idx=(squat+bench)/mass' $work/formula.csv"
    [mlr]="mlr --icsv --ocsv put '\$idx = (\$squat + \$bench) / \$mass' $work/formula.csv"
    [mawk]="mawk '$awk_program' $work/formula.csv"
    [gawk]="gawk '$awk_program' $work/formula.csv"
    [calculators]="$squad -c 'idx=(squat+bench)/body_mass' $work/calculators.csv"
)
tools=(vorlenta-squad mlr mawk gawk calculators)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
declare -A wall cpu rss
for tool in "${tools[@]}"; do
    command -v "${command[$tool]%% *}" >/dev/null || { echo "skipping $tool: not installed" >&2; continue; }
    : >"$work/times"
    for ((run = 0; run < runs; run++)); do
        /usr/bin/time -f '%e %U %S %M' -o "$work/time" bash -c "${command[$tool]}" >"$work/$tool.out"
        cat "$work/time" >>"$work/times"
    done
    wall[$tool]=$(awk '{ print $1 }' "$work/times" | median)
    cpu[$tool]=$(awk '{ print $2 + $3 }' "$work/times" | median)
    rss[$tool]=$(awk '{ print $4 }' "$work/times" | median)
done

# Every tool gives every row, with the same idx to the bit.
for tool in mlr mawk gawk; do
    [ -f "$work/$tool.out" ] || continue
    paste -d '|' "$work/vorlenta-squad.out" "$work/$tool.out" | awk -F'|' -v tool="$tool" '
        { split($1, a, ","); split($2, b, ",") }
        NR > 1 && (a[6] + 0 != b[6] + 0 || a[1] != b[1]) { print tool " differs at line " NR ": " $0; bad = 1; exit }
        END { if (NR != '"$((rows + 1))"') { print tool " has " NR " lines"; bad = 1 } exit bad }' >&2
done

printf '%s rows, median of %s runs\n' "$rows" "$runs"
printf '%-16s %9s %9s %9s %11s\n' tool wall_s cpu_s rss_MB "vs_squad"
for tool in "${tools[@]}"; do
    [ -n "${wall[$tool]:-}" ] || continue
    printf '%-16s %9.2f %9.2f %9.1f %10.1fx\n' "$tool" "${wall[$tool]}" "${cpu[$tool]}" "$(echo "${rss[$tool]} / 1024" | bc -l)" \
        "$(echo "${wall[$tool]} / ${wall[vorlenta-squad]}" | bc -l)"
done
