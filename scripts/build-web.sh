#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the page into build/web (or $VORLENTA_BUILD_DIR/web): a static
# folder, index.html at its top, that any static web server can serve. It is
# this project's CMake build under Debian's emscripten (web/CMakeLists.txt
# says what goes into the page), in the build folder web-build beside it,
# which later runs reuse; the folder web is replaced only by a whole page.
# VORLENTA_WEB_ADDRESS and VORLENTA_COPYRIGHT in the environment override the
# project's; extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
out=$build/web
work=$build/web-build

fail() {
    echo "build-web.sh: $*" >&2
    exit 1
}
for tool in emcmake cmake ninja node npm python3 rsvg-convert pngquant gzip; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

# Debian's emscripten runs its JavaScript optimizer on node with Debian's node
# modules; a node from elsewhere finds them only through NODE_PATH.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
# Debian ships emscripten's system libraries prebuilt in a read-only cache
# that it never writes (FROZEN_CACHE), so root and normal users share it. A
# cache of one's own (EM_CACHE) still works; it must then be writable.
if [ -n "${EM_CACHE:-}" ]; then
    mkdir -p "$EM_CACHE" && [ -w "$EM_CACHE" ] || fail "EM_CACHE=$EM_CACHE is not writable"
fi
# emcc keeps its temporary files here rather than in a shared /tmp.
export EMCC_TEMP_DIR=$work/tmp
mkdir -p "$EMCC_TEMP_DIR"

settings=(-DVORLENTA_PAGE_DIR="$out" -DVORLENTA_WARNINGS_AS_ERRORS=ON)
[ -z "${VORLENTA_WEB_ADDRESS:-}" ] || settings+=(-DVORLENTA_WEB_ADDRESS="$VORLENTA_WEB_ADDRESS")
[ -z "${VORLENTA_COPYRIGHT:-}" ] || settings+=(-DVORLENTA_COPYRIGHT="$VORLENTA_COPYRIGHT")
emcmake cmake -S "$root" -B "$work" -G Ninja "${settings[@]}" "$@" >/dev/null
cmake --build "$work" -j "${VORLENTA_JOBS:-2}"

# What a first visit in English loads, each file gzip-compressed.
size=0
for file in index.html main.js manifest.webmanifest; do
    size=$((size + $(gzip -9 <"$out/$file" | wc -c)))
done
squad=0
for file in squad.js squad.wasm; do
    squad=$((squad + $(gzip -9 <"$out/$file" | wc -c)))
done
echo "The page is in $out: $((size / 1024)) KB gzip-compressed (HTML with its CSS, JavaScript, WebAssembly, manifest), and the squad view $((squad / 1024)) KB more."
