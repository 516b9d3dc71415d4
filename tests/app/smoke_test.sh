#!/usr/bin/env bash
# Starts the built program on an X server (a virtual one of its own when
# there is no display) and waits for its window.
set -euo pipefail
program=$1
[ -n "${DISPLAY:-}" ] || exec "$(dirname "$0")/../../scripts/with-display.sh" "$0" "$@"

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
