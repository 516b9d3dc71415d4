#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with an X display: the current one, or else a virtual server
# of its own that lives exactly as long as the command.
#
# The server runs with -noreset. A server without it (as xvfb-run starts them)
# resets whenever its last client leaves and refuses whoever connects in that
# moment, so display tests running side by side would knock each other over.
#
#   scripts/with-display.sh COMMAND [ARGUMENTS…]   (VORLENTA_SCREEN=1600x1200x24)
set -euo pipefail
[ -n "${DISPLAY:-}" ] && exec "$@"

scratch=$(mktemp -d)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${VORLENTA_SCREEN:-1280x800x24}" \
    3>"$scratch/display" 2>"$scratch/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 1 200); do
    [ -s "$scratch/display" ] && break
    kill -0 "$server" 2>/dev/null || { cat "$scratch/log" >&2; exit 1; }
    sleep 0.05
done
[ -s "$scratch/display" ] || { echo "the virtual X server did not start" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$scratch/display") "$@"
