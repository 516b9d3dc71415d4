#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the page: the model (text/, fields/ and calc/) compiled to
# WebAssembly with Debian's emscripten, the page's words generated from
# translations/, the help pages beside it, icons, manifest and service worker.
# The result is a static folder, build/web (or $VORLENTA_BUILD_DIR/web),
# index.html at its top, that any static web server can serve. Each run builds
# it afresh and replaces the folder only when the whole build succeeded.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLENTA_BUILD_DIR:-$root/build}
out=$build/web
work=$build/web-build

fail() {
    echo "build-web.sh: $*" >&2
    exit 1
}
for tool in em++ python3 rsvg-convert pngquant gzip; do
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

rm -rf "$work"
mkdir -p "$work/tmp" "$work/web/help"
staged=$work/web

# The model's sources are those its CMake targets list.
sources=()
for layer in text fields calc; do
    for file in $(grep -o '[A-Za-z0-9_]*\.cpp' "$root/$layer/CMakeLists.txt"); do
        sources+=("$root/$layer/$file")
    done
done
[ ${#sources[@]} -gt 0 ] || fail "no sources found in text/, fields/ and calc/"

# Results must equal IEEE single and double arithmetic to the bit: no
# contraction, no fast-math. The module stands alone (no JavaScript glue, no
# file system): the page instantiates it and calls its exports.
em++ -std=c++20 -Oz -g0 \
    -Wall -Wextra -Wpedantic -Werror \
    -ffp-contract=off -fno-fast-math \
    -I"$root" \
    "${sources[@]}" "$root/web/binding.cpp" \
    -sSTANDALONE_WASM --no-entry -sFILESYSTEM=0 -sMALLOC=emmalloc \
    -sTOTAL_STACK=65536 -sINITIAL_MEMORY=327680 -sALLOW_MEMORY_GROWTH=1 \
    -o "$staged/vorlenta.wasm"

# The page's words, from the same translations as the window's.
web_address=${VORLENTA_WEB_ADDRESS:-$(sed -n 's/^set(VORLENTA_WEB_ADDRESS "\([^"]*\)".*/\1/p' "$root/CMakeLists.txt")}
copyright=${VORLENTA_COPYRIGHT:-$(sed -n 's/^set(VORLENTA_COPYRIGHT "\([^"]*\)".*/\1/p' "$root/CMakeLists.txt")}
[ -n "$web_address" ] && [ -n "$copyright" ] || fail "no web address or copyright line in CMakeLists.txt"
python3 "$root/web/gen_page.py" "$root/translations" "$root/web/index.html" "$root/web/page.css" \
    "$staged/index.html" "$work/strings.js" "$web_address" "$copyright"

cp "$root/web/manifest.webmanifest" "$staged/"
# The page's modules as one file, one request: each module's imports are the
# ones before it, so dropping the import lines and the export words joins them.
# The file is a classic script in one strict block, which keeps its names to
# itself as a module would: a browser runs a classic script some 30 ms sooner
# after a cold start than a module.
{
    echo "'use strict';"
    echo "{"
    for module in "$work/strings.js" "$root"/web/{model,page,main}.js; do
        echo "// ---- ${module##*/}"
        sed -e "/^import .* from '\.\/[a-z]*\.js';$/d" -e 's/^export //' "$module"
    done
    echo "}"
} >"$staged/main.js"
! grep -nE '^(import|export) ' "$staged/main.js" || fail "main.js: an import or export the join cannot take"
cp "$root/app/resources/vorlenta.svg" "$staged/icon.svg"
# The icon has a handful of colours: a palette of 64 keeps it as it is at a
# third of the bytes, which a first visit transfers.
for size in 192; do
    rsvg-convert -w "$size" -h "$size" "$root/app/resources/vorlenta.svg" -o "$work/icon-$size.png"
    pngquant --strip --speed 1 --output "$staged/icon-$size.png" 64 "$work/icon-$size.png"
done
# The page's help pages, one per language, served beside the page.
"$root/scripts/help-pages.sh" "$staged/help" "$web_address" "$root/docs/help/page" >/dev/null

# The service worker stores every file of this build under a version that
# changes with any of them; the page names that version in every file it asks
# for (digested before it is written in).
files=$(cd "$staged" && find . -type f ! -name sw.js | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$staged" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list="'./'"
for file in $files; do
    list+=", '$file'"
done
sed -i "s|@VERSION@|$version|g" "$staged/index.html" "$staged/main.js"
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|$list|" "$root/web/sw.js" >"$staged/sw.js"
! grep -q '@[A-Z_]*@' "$staged/sw.js" "$staged/index.html" || fail "a placeholder was left unfilled"

rm -rf "$out"
mv "$staged" "$out"
rm -rf "$work"
# What a first visit in English loads, each file gzip-compressed.
size=0
for file in index.html main.js vorlenta.wasm manifest.webmanifest; do
    size=$((size + $(gzip -9 <"$out/$file" | wc -c)))
done
echo "The page is in $out: $((size / 1024)) KB gzip-compressed (HTML with its CSS, JavaScript, WebAssembly, manifest)."
