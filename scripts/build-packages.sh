#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages as Debian does, `dpkg-buildpackage -us -uc`, in a
# clean copy of the sources (the files git knows, as the work tree has them),
# and leaves the source package, the .deb files, the .changes, the .buildinfo
# and the build log in OUT_DIR (default build/packages, or
# $VORLENTA_BUILD_DIR/packages).
# OUT_DIR keeps what it holds while the sources and DEB_BUILD_OPTIONS stay the
# same, so the package test and CI build the packages once.
# DEB_BUILD_OPTIONS defaults to "nocheck parallel=N" (the tests run in the
# ordinary build); nocheck also sets the build profile of that name.
# Usage: scripts/build-packages.sh [OUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-${VORLENTA_BUILD_DIR:-$root/build}/packages}
export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS-nocheck parallel=$(nproc)}
[[ " $DEB_BUILD_OPTIONS " != *" nocheck "* ]] || export DEB_BUILD_PROFILES=nocheck

# The sources: every file git tracks or would track, as it is now.
sources() {
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            [ -e "$root/$file" ] && printf '%s\0' "$file"
        done
}
digest=$( (cd "$root" && sources | xargs -0 sha256sum; echo "$DEB_BUILD_OPTIONS") | sha256sum | cut -d' ' -f1)
if [ "$(cat "$out/sources" 2>/dev/null)" = "$digest" ] && compgen -G "$out/*.changes" >/dev/null; then
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -SVersion)
tree=$scratch/vorlenta-$version
mkdir "$tree"
(cd "$root" && sources | tar --null -T - -cf -) | tar -xf - -C "$tree"
if ! (cd "$tree" && dpkg-buildpackage -us -uc) >"$scratch/build.log" 2>&1; then
    tail -n 60 "$scratch/build.log" >&2
    echo "build-packages.sh: dpkg-buildpackage failed (whole log: $out/build.log)" >&2
    mkdir -p "$out" && cp "$scratch/build.log" "$out/"
    exit 1
fi
mkdir -p "$out"
(cd "$out" && rm -f -- sources build.log *.dsc *.tar.* *.deb *.changes *.buildinfo)
mv "$scratch"/*.dsc "$scratch"/*.tar.* "$scratch"/*.deb "$scratch"/*.changes "$scratch"/*.buildinfo \
    "$scratch/build.log" "$out/"
echo "$digest" >"$out/sources"
