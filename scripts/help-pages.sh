#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the help pages, OUT_DIR/vorlenta_<language>.htm, one for each
# BODY_DIR/vorlenta_<language>.body.htm (by default docs/help: the window's;
# docs/help/page holds the web page's): the template docs/help/page.htm.in
# with that page's head and body filled in and the stylesheet
# docs/help/vorlenta.css inlined, so that every page opens alone and offline.
# @WEB_ADDRESS@ in a page becomes WEB_ADDRESS, by default the project's address
# as CMakeLists.txt sets it. The build calls this, and so can a web site's.
# Usage: scripts/help-pages.sh OUT_DIR [WEB_ADDRESS [BODY_DIR]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
help=$root/docs/help
out=${1:?usage: help-pages.sh OUT_DIR [WEB_ADDRESS [BODY_DIR]]}
bodies=${3:-$help}
address=${2:-$(sed -n 's/^set(VORLENTA_WEB_ADDRESS "\([^"]*\)".*/\1/p' "$root/CMakeLists.txt")}
[ -n "$address" ] || { echo "help-pages.sh: no web address" >&2; exit 1; }

mkdir -p "$out"
for body in "$bodies"/vorlenta_*.body.htm; do
    language=$(basename "$body" .body.htm)
    language=${language#vorlenta_}
    awk -v language="$language" -v address="$address" -v style="$help/vorlenta.css" -v page="$body" '
        # Every occurrence of what in text replaced by with, taken literally.
        function replace(text, what, with,   at, done) {
            done = ""
            while ((at = index(text, what)) > 0) {
                done = done substr(text, 1, at - 1) with
                text = substr(text, at + length(what))
            }
            return done text
        }
        # The lines of the page between <name> and </name>.
        function section(name,   line, inside) {
            while ((getline line < page) > 0) {
                if (line == "</" name ">") inside = 0
                if (inside) print replace(line, "@WEB_ADDRESS@", address)
                if (line == "<" name ">") inside = 1
            }
            close(page)
        }
        BEGIN { address = replace(replace(replace(address, "&", "&amp;"), "<", "&lt;"), "\"", "&quot;") }
        /SPDX-License-Identifier/ { next }
        $0 == "@HEAD@" { section("head"); next }
        $0 == "@BODY@" { section("body"); next }
        $0 == "@STYLE@" {
            while ((getline line < style) > 0)
                if (line !~ /SPDX-License-Identifier/) print line
            next
        }
        { print replace($0, "@LANGUAGE@", language) }
    ' "$help/page.htm.in" >"$out/vorlenta_$language.htm.new"
    mv "$out/vorlenta_$language.htm.new" "$out/vorlenta_$language.htm"
done
