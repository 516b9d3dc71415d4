#!/usr/bin/env bash
# Takes screenshots of both tabs of the built program under a virtual X
# server. Usage: scripts/screenshots.sh PROGRAM OUTPUT_PREFIX
# Extra environment (QT_SCALE_FACTOR=2, LC_ALL=de_DE.UTF-8, …) passes through.
set -euo pipefail
program=$(realpath "$1")
prefix=$2

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Vorlenta$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
sleep 0.5
xdotool windowfocus --sync "$window" 2>/dev/null || true
shoot() { import -window root -crop "$(xwininfo -id "$window" | awk '/Width:/{w=$2}/Height:/{h=$2}/Absolute upper-left X:/{x=$4}/Absolute upper-left Y:/{y=$4}END{print w"x"h"+"x"+"y}')" +repage "$1"; }
${SCREENSHOT_INPUT:+eval "$SCREENSHOT_INPUT"}
shoot "${prefix}-tab0.png"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+Tab
sleep 0.3
${SCREENSHOT_INPUT_TAB1:+eval "$SCREENSHOT_INPUT_TAB1"}
shoot "${prefix}-tab1.png"
