#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages from a finished build, checks what each ships and
# depends on and that lintian passes it, and starts the shipped binary to see
# its window and its help page.
# Usage: package_smoke_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
[ -n "${DISPLAY:-}" ] || exec "$(dirname "$0")/../../scripts/with-display.sh" "$0" "$@"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; fail "cpack could not build the packages"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
root=$scratch/root
deb() { echo "$scratch/out/$1_${version}_$(dpkg --print-architecture).deb"; }
# A build with Debian's flags (the default unless Debug or sanitized) makes
# hardened packages, which lintian passes without even an informational tag.
hardened=$(sed -n 's/^VORLENTA_DEBIAN_BUILD_FLAGS:BOOL=//p' "$build/CMakeCache.txt")
[ "$hardened" = ON ] && lintian_fails_on=error,warning,info || lintian_fails_on=error,warning
# Each package: built, passed by lintian, its dependencies, the files it ships.
package() {
    local name=$1 dependencies=$2 path; shift 2
    [ -f "$(deb "$name")" ] || fail "no package $name was built"
    lintian --display-info --fail-on "$lintian_fails_on" "$(deb "$name")" >"$scratch/lintian" 2>&1 || fail "lintian $name: $(cat "$scratch/lintian")"
    local depends; depends=$(dpkg-deb -f "$(deb "$name")" Depends)
    for dependency in $dependencies; do
        grep -Eq "(^|, )${dependency//+/ }( |,|$)" <<<"$depends" || fail "$name: Depends lacks $dependency: $depends"
    done
    dpkg-deb -x "$(deb "$name")" "$root"
    local files; files=$(dpkg-deb -c "$(deb "$name")")
    for path in "$@" usr/share/doc/$name/copyright usr/share/doc/$name/changelog.gz; do
        grep -q " \./$path\( ->\|$\)" <<<"$files" || fail "$name lacks /$path"
    done
}
lib=usr/lib/$arch/libvorlenta-eval.so
library="libvorlenta-eval2+\\(=+${version//./\\.}\\)"
package vorlenta "libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins" usr/bin/vorlenta usr/share/man/man1/vorlenta.1.gz
package vorlenta-eval "libc6 libedit2" usr/bin/vorlenta-eval usr/share/man/man1/vorlenta-eval.1.gz
package libvorlenta-eval2 "libc6" "$lib.2" "$lib.2.1.0"
[ "$(dpkg-deb -f "$(deb libvorlenta-eval2)" Multi-Arch)" = same ] || fail "libvorlenta-eval2 is not Multi-Arch: same"
package libvorlenta-eval-dev "$library" "$lib" usr/include/vorlenta/eval.h \
    usr/lib/$arch/cmake/Vorlenta/VorlentaConfig.cmake usr/lib/$arch/pkgconfig/vorlenta-eval.pc
[ "$(readlink "$root/$lib")" = libvorlenta-eval.so.2 ] && [ "$(readlink "$root/$lib.2")" = libvorlenta-eval.so.2.1.0 ] \
    || fail "the links are not libvorlenta-eval.so -> .so.2 -> .so.2.1.0"
objdump -p "$root/$lib.2.1.0" | grep -Eq 'SONAME +libvorlenta-eval\.so\.2$' || fail "the library's SONAME is not libvorlenta-eval.so.2"
! dpkg-deb -f "$(deb vorlenta)" Depends | grep -q libvorlenta || fail "the window depends on the evaluator's library"
! objdump -p "$root/$lib.2.1.0" | grep -E 'NEEDED +lib(Qt|icu)' || fail "the library needs Qt or ICU"
# The symbols file names exactly the symbols the library exports.
(cd "$scratch" && dpkg-gensymbols -plibvorlenta-eval2 -P"$root" -v"$version" -c4 \
    -I"$(dirname "$0")/../../packaging/debian/symbols" -O"$scratch/symbols" >"$scratch/symbols.log" 2>&1) \
    || fail "the library's symbols differ from packaging/debian/symbols: $(cat "$scratch/symbols.log")"

share=$root/usr/share
app_id=$(sed -n 's/^ *<id>\(.*\)<\/id>$/\1/p' "$build/packaging/"*.metainfo.xml)
for path in usr/bin/vorlenta usr/share/applications/vorlenta.desktop usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/vorlenta.svg usr/share/doc/vorlenta/vorlenta_{en,de,fr,es}.htm \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vorlenta.png; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
file "$root/usr/bin/vorlenta" | grep -q ', stripped' || fail "usr/bin/vorlenta is not stripped"
# The binaries find the library where the system keeps its own (no RUNPATH);
# hardened, every file is compiled with Debian's fortify flag and the binaries
# carry the stack protector, which lintian does not check.
[ "$hardened" != ON ] || ! grep '"command"' "$build/compile_commands.json" | grep -v -- -D_FORTIFY_SOURCE= \
    || fail "files are compiled without Debian's flags"
for binary in usr/bin/vorlenta usr/bin/vorlenta-eval "$lib.2.1.0"; do
    dynamic=$(readelf -dW --dyn-syms "$root/$binary")
    ! grep -Eq '\((RUNPATH|RPATH)\)' <<<"$dynamic" || fail "/$binary has a RUNPATH"
    [ "$hardened" != ON ] || grep -q ' __stack_chk_fail@' <<<"$dynamic" || fail "/$binary lacks the stack protector"
done

# The metadata validates without a single message, and its newest release is
# the packaged version.
metainfo=$share/metainfo/$app_id.metainfo.xml
report=$(desktop-file-validate "$share/applications/vorlenta.desktop" 2>&1) && [ -z "$report" ] \
    || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli: $report"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$(dpkg-deb -f "$(deb vorlenta)" Version)" ] || fail "the newest release in the metainfo is $newest"

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
