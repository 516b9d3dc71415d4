#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages as Debian does (scripts/build-packages.sh, which
# reuses them while the sources stay the same), checks what each ships and
# depends on and that lintian passes them, starts the shipped binary to see
# its window and its help page, and runs the autopkgtests on the installed
# packages.
# Usage: package_smoke_test.sh BUILD_DIR
set -euo pipefail
source_root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
[ -n "${DISPLAY:-}" ] || exec "$source_root/scripts/with-display.sh" "$0" "$@"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

out=$build/packages
"$source_root/scripts/build-packages.sh" "$out" || fail "the packages do not build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
root=$scratch/root
deb() { echo "$out/$1_${version}_$(dpkg --print-architecture).deb"; }
[ -f "$(deb vorlenta)" ] || fail "no package of version $version (debian/changelog and the project disagree?)"
# Hardened by dh, the packages pass lintian without even an informational tag.
lintian --display-info --fail-on error,warning,info "$out"/*.changes >"$scratch/lintian" 2>&1 \
    || fail "lintian: $(cat "$scratch/lintian")"
# Each package: its dependencies, the files it ships.
package() {
    local name=$1 dependencies=$2 path; shift 2
    [ -f "$(deb "$name")" ] || fail "no package $name was built"
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
libversion=$(sed -n 's/^VORLENTA_EVAL_VERSION:INTERNAL=//p' "$build/CMakeCache.txt")
library="libvorlenta-eval2+\\(=+${version//./\\.}\\)"
package vorlenta "libc6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins" usr/bin/vorlenta usr/share/man/man1/vorlenta.1.gz
package vorlenta-eval "libc6 libedit2" usr/bin/vorlenta-eval usr/share/man/man1/vorlenta-eval.1.gz \
    usr/bin/vorlenta-squad usr/share/man/man1/vorlenta-squad.1.gz
package libvorlenta-eval2 "libc6" "$lib.2" "$lib.$libversion"
[ "$(dpkg-deb -f "$(deb libvorlenta-eval2)" Multi-Arch)" = same ] || fail "libvorlenta-eval2 is not Multi-Arch: same"
package libvorlenta-eval-dev "$library" "$lib" usr/include/vorlenta/eval.h \
    usr/lib/$arch/cmake/Vorlenta/VorlentaConfig.cmake usr/lib/$arch/pkgconfig/vorlenta-eval.pc \
    usr/share/doc/libvorlenta-eval-dev/library.md usr/share/doc/libvorlenta-eval-dev/examples/cmake/CMakeLists.txt
[ "$(readlink "$root/$lib")" = libvorlenta-eval.so.2 ] && [ "$(readlink "$root/$lib.2")" = libvorlenta-eval.so.$libversion ] \
    || fail "the links are not libvorlenta-eval.so -> .so.2 -> .so.$libversion"
objdump -p "$root/$lib.$libversion" | grep -Eq 'SONAME +libvorlenta-eval\.so\.2$' || fail "the library's SONAME is not libvorlenta-eval.so.2"
! dpkg-deb -f "$(deb vorlenta)" Depends | grep -q libvorlenta || fail "the window depends on the evaluator's library"
! objdump -p "$root/$lib.$libversion" | grep -E 'NEEDED +lib(Qt|icu)' || fail "the library needs Qt or ICU"
# The symbols file names exactly the symbols the library exports (the build
# itself fails only on lost ones). When they change, rewrite it from the
# package's files: dpkg-gensymbols -plibvorlenta-eval2 -PROOT -vVERSION
# -Odebian/libvorlenta-eval2.symbols, giving each new symbol the version that
# brings it.
(cd "$scratch" && dpkg-gensymbols -plibvorlenta-eval2 -P"$root" -v"$version" -c4 \
    -I"$source_root/debian/libvorlenta-eval2.symbols" -O"$scratch/symbols" >"$scratch/symbols.log" 2>&1) \
    || fail "the library's symbols differ from debian/libvorlenta-eval2.symbols: $(cat "$scratch/symbols.log")"
# A symbol's version is the package version that brings it: one above the
# packaged version would leave every program that uses the symbol uninstallable.
while read -r _ minimum; do
    dpkg --compare-versions "$minimum" le "$version" \
        || fail "debian/libvorlenta-eval2.symbols names version $minimum, above the package's $version"
done < <(grep '^ ' "$source_root/debian/libvorlenta-eval2.symbols")

share=$root/usr/share
app_id=$(basename "$(echo "$share"/metainfo/*.metainfo.xml)" .metainfo.xml)
for path in usr/bin/vorlenta usr/share/applications/vorlenta.desktop usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/vorlenta.svg usr/share/doc/vorlenta/vorlenta_{en,de,fr,es}.htm \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vorlenta.png; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
# Every file is compiled with Debian's fortify flag (which lintian does not
# see in a C++ program), the binaries carry the stack protector, and they find
# the library where the system keeps its own (no RUNPATH).
compiles=$(grep -E '/c\+\+ .* -c ' "$out/build.log") || fail "the build log shows no compiler call"
! grep -v -- -D_FORTIFY_SOURCE= <<<"$compiles" || fail "files are compiled without Debian's flags"
for binary in usr/bin/vorlenta usr/bin/vorlenta-eval usr/bin/vorlenta-squad "$lib.$libversion"; do
    file "$root/$binary" | grep -q ', stripped' || fail "/$binary is not stripped"
    dynamic=$(readelf -dW --dyn-syms "$root/$binary")
    ! grep -Eq '\((RUNPATH|RPATH)\)' <<<"$dynamic" || fail "/$binary has a RUNPATH"
    grep -q ' __stack_chk_fail@' <<<"$dynamic" || fail "/$binary lacks the stack protector"
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
# disk, the web page (below the packages' homepage) only when no page is
# installed.
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
help_opens "$(dpkg-deb -f "$(deb vorlenta)" Homepage)/public_docs/vorlenta_de.htm"
echo "the packaged program shows its window and opens its help pages"

# The autopkgtests install the packages on this machine (autopkgtest's null
# runner), which needs root; the packages that were not installed before are
# purged afterwards.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { echo "SKIPPED the autopkgtests: they install the packages, which needs root"; exit 0; }
    as_root=(sudo -n)
fi
names=(vorlenta vorlenta-eval libvorlenta-eval2 libvorlenta-eval-dev)
installed() { dpkg-query -W -f='${db:Status-Abbrev}\n' "$1" 2>/dev/null | grep -q '^ii'; }
new=()
for name in "${names[@]}"; do installed "$name" || new+=("$name"); done
status=0
results=$scratch/autopkgtest
"${as_root[@]}" autopkgtest --output-dir "$results" "$out"/*.changes -- null \
    >"$scratch/autopkgtest.log" 2>&1 || status=$?
[ ${#new[@]} -eq 0 ] || "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${new[@]}" >/dev/null 2>&1
cat "$results/summary" 2>/dev/null || fail "autopkgtest ran no test: $(tail -n 20 "$scratch/autopkgtest.log")"
[ "$status" -eq 0 ] || fail "the autopkgtests failed (status $status): $(tail -n 20 "$results"/*-stderr)"
