#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the page and serves it on http://localhost:8080 (or $PORT) for a
# person to try in a browser, until Ctrl+C. Any static web server would do;
# this one is Python's, which names .wasm files as browsers need them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
port=${PORT:-8080}
command -v em++ >/dev/null || "$root/scripts/install-deps.sh"
"$root/scripts/build-web.sh"
echo "Serving the page on http://localhost:$port/ (Ctrl+C stops)."
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build/web"
