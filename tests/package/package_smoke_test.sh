#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks what it ships, and
# starts the shipped binary until its window shows.
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

# The shipped binary starts with the system's Qt and shows its window.
"$(dirname "$0")/../app/smoke_test.sh" "$root/usr/bin/vorlenta"
