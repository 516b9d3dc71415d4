#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a finished build, checks what it ships, and
# starts the shipped binary to see its window and its help page.
# Usage: package_smoke_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
[ -n "${DISPLAY:-}" ] || exec "$(dirname "$0")/../../scripts/with-display.sh" "$0" "$@"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(echo "$scratch"/out/vorlenta_*.deb)
[ -f "$deb" ] || fail "no vorlenta_*.deb was built"

# Libraries come from dpkg-shlibdeps, Qt's platform plugins by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -Eq "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for path in usr/bin/vorlenta usr/share/applications/vorlenta.desktop usr/share/metainfo/org.example.vorlenta.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/vorlenta.svg usr/share/doc/vorlenta/vorlenta_{en,de,fr,es}.htm \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vorlenta.png; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
file "$root/usr/bin/vorlenta" | grep -q ', stripped' || fail "usr/bin/vorlenta is not stripped"

# The metadata validates without a single message, and its newest release is
# the packaged version.
metainfo=$share/metainfo/org.example.vorlenta.metainfo.xml
report=$(desktop-file-validate "$share/applications/vorlenta.desktop" 2>&1) && [ -z "$report" ] \
    || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli: $report"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the newest release in the metainfo is $newest"

# The shipped binary starts with the system's Qt and shows its window, and
# File > Help (in German: Alt+D, H) opens the page of its language from the
# disk, the web page only when no page is installed.
mkdir "$scratch/bin"
printf '#!/bin/sh\necho "$@" >"%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
help_opens() {
    rm -f "$scratch/opened"
    PATH="$scratch/bin:$PATH" LANGUAGE=de "$root/usr/bin/vorlenta" 2>/dev/null &
    local pid=$! window=
    for _ in $(seq 1 100); do
        window=$(xdotool search --all --pid "$pid" --name '^Vorlenta$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the installed program shows no window"
    sleep 0.3
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key alt+d && sleep 0.3 && xdotool key h
    for _ in $(seq 1 50); do [ -s "$scratch/opened" ] && break; sleep 0.1; done
    kill "$pid"
    [ "$(cat "$scratch/opened" 2>/dev/null)" = "$1" ] || fail "Help opened '$(cat "$scratch/opened" 2>/dev/null)', not $1"
}
help_opens "file://$root/usr/share/doc/vorlenta/vorlenta_de.htm"
rm "$root"/usr/share/doc/vorlenta/*.htm
help_opens "$(sed -n 's/^VORLENTA_WEB_ADDRESS:STRING=//p' "$build/CMakeCache.txt")/public_docs/vorlenta_de.htm"
echo "the installed program shows its window and opens its help pages"
