#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks what it ships, and
# starts the shipped binary on an X server until its window shows.
# Usage: package_smoke_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
[ -n "${DISPLAY:-}" ] || exec "$(dirname "$0")/../../scripts/with-display.sh" "$0" "$@"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT

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
    usr/share/icons/hicolor/scalable/apps/vorlenta.svg usr/share/doc/vorlenta/vorlenta_en.htm \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vorlenta.png; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
file "$root/usr/bin/vorlenta" | grep -q ', stripped' || fail "usr/bin/vorlenta is not stripped"

# The metadata validates without a single message, names the binary, the icon
# and the desktop entry, and its newest release is the packaged version.
metainfo=$share/metainfo/org.example.vorlenta.metainfo.xml
report=$(desktop-file-validate "$share/applications/vorlenta.desktop" 2>&1) && [ -z "$report" ] \
    || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli: $report"
grep -qx 'Exec=vorlenta' "$share/applications/vorlenta.desktop" && grep -qx 'Icon=vorlenta' "$share/applications/vorlenta.desktop" \
    || fail "the desktop entry does not start vorlenta with its icon"
grep -q '<launchable type="desktop-id">vorlenta.desktop</launchable>' "$metainfo" || fail "the metainfo launches no vorlenta.desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the newest release in the metainfo is $newest"

# The shipped binary starts with the system's Qt and shows its own window.
"$root/usr/bin/vorlenta" &
pid=$!
for _ in $(seq 1 100); do
    if xdotool search --all --pid "$pid" --name '^Vorlenta$' >/dev/null 2>&1; then
        echo "the installed program shows its window"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended without showing a window"
    sleep 0.1
done
fail "no window appeared within 10 s"
