#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks what it ships and
# how, and starts the shipped binary under an X server until its window shows.
# Usage: package_smoke_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli xdotool xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

scratch=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# The package goes to the scratch folder: a test run leaves no .deb in the build.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$scratch"/out/vorlenta_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one vorlenta_*.deb, found: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb")"

# Control fields: the libraries come from dpkg-shlibdeps, the plugins by hand.
version=$(dpkg-deb -f "$deb" Version)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[ "$(dpkg-deb -f "$deb" Package)" = vorlenta ] || fail "package name is not vorlenta"
for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -Eq "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
desktop=$share/applications/vorlenta.desktop
metainfo=$share/metainfo/org.example.vorlenta.metainfo.xml
expected=(
    "$root/usr/bin/vorlenta"
    "$desktop"
    "$metainfo"
    "$share/icons/hicolor/scalable/apps/vorlenta.svg"
    "$share/doc/vorlenta/vorlenta_en.htm"
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/vorlenta.png")
done
for path in "${expected[@]}"; do
    [ -f "$path" ] || fail "the package lacks ${path#"$root"}"
done
[ -x "$root/usr/bin/vorlenta" ] || fail "usr/bin/vorlenta is not executable"
file "$root/usr/bin/vorlenta" | grep -q ', stripped' || fail "usr/bin/vorlenta is not stripped"
for size in "${sizes[@]}"; do
    file "$share/icons/hicolor/${size}x${size}/apps/vorlenta.png" | grep -q "PNG image data, $size x $size," \
        || fail "the ${size}x${size} icon is not a $size x $size PNG"
done

# The shipped metadata validates cleanly: any message at all is a fault.
report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] \
    || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) \
    || fail "appstreamcli validate: $report"

# The pieces refer to each other by name: the desktop entry starts the binary
# and shows the icon, the metainfo launches the desktop entry, and its newest
# release is the version being packaged.
grep -qx 'Exec=vorlenta' "$desktop" || fail "the desktop entry does not start vorlenta"
grep -qx 'Icon=vorlenta' "$desktop" || fail "the desktop entry does not show the vorlenta icon"
grep -q '<launchable type="desktop-id">vorlenta.desktop</launchable>' "$metainfo" \
    || fail "the metainfo does not launch vorlenta.desktop"
grep -q '<id>org.example.vorlenta</id>' "$metainfo" || fail "the metainfo id does not match its file name"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release in the metainfo is $newest, the package is $version"
! grep -q '@[A-Z_]*@' "$metainfo" || fail "the metainfo has an unfilled @SETTING@"

# The shipped binary starts with the system's Qt and shows its window. Only a
# window of this process counts: other tests may show theirs on the same display.
"$root/usr/bin/vorlenta" &
pid=$!
for _ in $(seq 1 100); do
    for window in $(xdotool search --all --pid "$pid" --name '^Vorlenta$' 2>/dev/null); do
        xwininfo -id "$window" | grep -q '"Vorlenta"' || continue
        kill -0 "$pid" || fail "the program ended after showing its window"
        echo "installed program shows its window"
        exit 0
    done
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended without showing a window"
    sleep 0.1
done
fail "no window appeared within 10 s"
