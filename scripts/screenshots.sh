#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes screenshots of both tabs of the built program under a virtual X
# server, with example values typed into every panel.
# Usage: scripts/screenshots.sh PROGRAM OUTPUT_PREFIX  (writes PREFIX-tab0.png
# and PREFIX-tab1.png). Extra environment passes through to the program, e.g.
# QT_SCALE_FACTOR=2, QT_FONT_DPI=144, LANGUAGE=de or LC_ALL=de_DE.UTF-8
# (VORLENTA_POINT=, types numbers with a decimal comma where the system lacks
# that locale). Fonts are at 96 dpi unless QT_FONT_DPI says otherwise, so that
# the sets compare: the published ones in docs/screenshots are
#   scripts/screenshots.sh build/app/vorlenta docs/screenshots/window-96dpi
#   LANGUAGE=de LC_ALL=de_DE.UTF-8 VORLENTA_POINT=, scripts/screenshots.sh \
#       build/app/vorlenta docs/screenshots/window-de      (fr_FR, es_ES alike)
# Each language's window is as large as its own captions need, so the German,
# French and Spanish windows are smaller than the English one.
set -euo pipefail
program=$(realpath "$1")
prefix=$2
export QT_FONT_DPI=${QT_FONT_DPI:-96}

[ -n "${DISPLAY:-}" ] || VORLENTA_SCREEN=1600x1200x24 exec "$(dirname "$0")/with-display.sh" "$0" "$@"

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Vorlenta$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window" >&2; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$window" 2>/dev/null || true

# Decimal numbers are typed with the locale's separator.
point=${VORLENTA_POINT:-$(LC_ALL=${LC_ALL:-${LANG:-C}} locale decimal_point 2>/dev/null || echo .)}
number() { echo "${1//./$point}"; }
type_then_tab() { xdotool type --delay 30 "$(number "$1")"; xdotool key Tab; }
tab() { xdotool key --delay 30 $(printf 'Tab %.0s' $(seq 1 "$1")); }
shoot() {
    local geometry
    geometry=$(xwininfo -id "$window" | awk '/Width:/{w=$2}/Height:/{h=$2}/Absolute upper-left X:/{x=$4}/Absolute upper-left Y:/{y=$4}END{print w"x"h"+"x"+"y}')
    import -window root -crop "$geometry" +repage "$1"
}

# First tab: body mass, kg -> lb, body fat and target, load and repetitions.
type_then_tab 80          # Text11, then Text1
type_then_tab 72.5        # Text1, then Command1
xdotool key space; tab 2  # convert, then Text12
type_then_tab 18.3; tab 1 # Text12, Text13 -> Text14
type_then_tab 12; tab 1   # Text14, Text15 -> Text2
type_then_tab 100         # Text2
xdotool type --delay 30 10 # Text3, left focused
sleep 0.3
shoot "${prefix}-tab0.png"

# Second tab: two timed distances, the ride, a running speed to convert.
xdotool key ctrl+Tab; sleep 0.3
type_then_tab 10; type_then_tab 2; type_then_tab 30; type_then_tab 4; tab 1
type_then_tab 30; type_then_tab 9; type_then_tab 2; tab 2
type_then_tab 12          # Text21, then Command2
xdotool key space
sleep 0.3
shoot "${prefix}-tab1.png"
