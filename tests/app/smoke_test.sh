#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts a program on an X server (a virtual one of its own when there is no
# display) and waits until it shows its own window titled Vorlenta.
# Usage: smoke_test.sh PROGRAM
set -euo pipefail
[ -n "${DISPLAY:-}" ] || exec "$(dirname "$0")/../../scripts/with-display.sh" "$0" "$@"
"$1" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
    if xdotool search --all --pid "$pid" --name '^Vorlenta$' >/dev/null 2>&1; then
        echo "the program shows its window"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the program ended without showing a window" >&2; exit 1; }
    sleep 0.1
done
echo "no window appeared within 10 s" >&2
exit 1
