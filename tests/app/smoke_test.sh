#!/usr/bin/env bash
# Starts the built program under an X server and waits for its window; starts
# a virtual server of its own when there is no display.
set -euo pipefail
program=$1

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$program"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Vorlenta"'; then
        kill -0 "$pid" # the program still runs
        echo "window shown"
        exit 0
    fi
    sleep 0.1
done
echo "no window appeared within 10 s" >&2
exit 1
