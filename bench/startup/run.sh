#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from start to a mapped window, and resident memory once shown, for
# vorlenta beside two peers measured in the same run: the floor for a Qt 6
# Widgets window of its size (built here from qt_floor.cpp) and Debian's
# galculator. Runs under its own Xvfb (-noreset) inside dbus-run-session and
# prints the medians of the runs and vorlenta's ratios to the peers.
#
# usage: bench/startup/run.sh [path/to/vorlenta]
#   default: vorlenta on PATH, else build/app/vorlenta
#   VORLENTA_STARTUP_RUNS (18), VORLENTA_STARTUP_SETTLE_MS (500): runs per
#   program, and how long after the map the resident memory is read.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = --measure ]; then
    # Inside the X server and the D-Bus session: $2 work dir, then the programs.
    work=$2
    shift 2
    names=(vorlenta qt_floor galculator)
    programs=("$@")
    runs=${VORLENTA_STARTUP_RUNS:-18}
    settle=${VORLENTA_STARTUP_SETTLE_MS:-500}
    # One unmeasured start each, so that every program meets a warm file cache.
    for p in "${programs[@]}"; do "$work/map_wait" "$settle" "$p" >/dev/null 2>>"$work/stderr.log"; done
    for ((run = 0; run < runs; ++run)); do
        # Rotate the order, so that no program always follows the same one.
        for ((k = 0; k < 3; ++k)); do
            i=$(((run + k) % 3))
            "$work/map_wait" "$settle" "${programs[$i]}" >>"$work/${names[$i]}.txt" 2>>"$work/stderr.log"
        done
    done
    exit 0
fi

root=$(cd "$here/../.." && pwd)
vorlenta=${1:-$(command -v vorlenta || echo "$root/build/app/vorlenta")}
[ -x "$vorlenta" ] || { echo "no vorlenta executable at $vorlenta" >&2; exit 2; }
galculator=$(command -v galculator) || { echo "galculator is not installed" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cc -O2 -o "$work/map_wait" "$here/map_wait.c" -lX11
# shellcheck disable=SC2046 # pkg-config's flags are meant to split
c++ -O2 -fPIC -std=c++17 -o "$work/qt_floor" "$here/qt_floor.cpp" $(pkg-config --cflags --libs Qt6Widgets)

# A fresh home, so that no peer reads or writes the user's settings.
mkdir -p "$work/home/.config" "$work/home/.cache" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

dbus-run-session -- "$0" --measure "$work" "$vorlenta" "$work/qt_floor" "$galculator"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A ms mib peak
for name in vorlenta qt_floor galculator; do
    ms[$name]=$(cut -d' ' -f1 "$work/$name.txt" | median)
    mib[$name]=$(cut -d' ' -f2 "$work/$name.txt" | median | awk '{ printf "%.1f", $1 / 1024 }')
    peak[$name]=$(cut -d' ' -f3 "$work/$name.txt" | median | awk '{ printf "%.1f", $1 / 1024 }')
done

runs=$(wc -l <"$work/vorlenta.txt")
if [ "$runs" -eq 0 ]; then cat "$work/stderr.log" >&2; exit 2; fi
echo "medians of $runs runs each, $(nproc) processors, Qt $(pkg-config --modversion Qt6Widgets), galculator $(dpkg-query -W -f='${Version}' galculator 2>/dev/null)"
printf '%-12s %12s %14s %12s\n' program "to map (ms)" "resident (MiB)" "peak (MiB)"
for name in vorlenta qt_floor galculator; do
    printf '%-12s %12s %14s %12s\n' "$name" "${ms[$name]}" "${mib[$name]}" "${peak[$name]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
time_floor=$(ratio "${ms[vorlenta]}" "${ms[qt_floor]}")
memory_floor=$(ratio "${mib[vorlenta]}" "${mib[qt_floor]}")
time_galculator=$(ratio "${ms[vorlenta]}" "${ms[galculator]}")
echo "vorlenta / qt_floor: time ${time_floor}x, resident memory ${memory_floor}x (goal: at most 1.2x each)"
echo "vorlenta / galculator: time ${time_galculator}x (goal: below 1)"
awk -v t="$time_floor" -v m="$memory_floor" -v g="$time_galculator" \
    'BEGIN { ok = t <= 1.2 && m <= 1.2 && g < 1; print ok ? "goals met" : "goals missed"; exit !ok }'
