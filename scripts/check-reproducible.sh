#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages twice, in folders of different paths and depths,
# with different time zones, locales and umasks, and fails unless every .deb
# comes out bit for bit the same; diffoscope then says what differs. The first
# build is the one scripts/build-packages.sh leaves in build/packages (or
# $VORLENTA_BUILD_DIR/packages), which the package test then reuses.
# Usage: scripts/check-reproducible.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
first=${VORLENTA_BUILD_DIR:-$root/build}/packages
# dpkg-deb clamps file times to the changelog's date, only those later than
# it: a changelog dated after the build leaves the build's own times in.
released=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)
if [ "$released" -gt "$(date +%s)" ]; then
    echo "debian/changelog is dated in the future ($(date -u -d "@$released")); packages built now cannot be reproduced" >&2
    exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The second build: a German locale made here (none need be installed), a
# time zone 14 hours ahead, a umask that lets the group write, and a deeper
# scratch folder.
localedef -i de_DE -f UTF-8 "$scratch/de_DE.UTF-8"
second=$scratch/second
mkdir -p "$scratch/a/much/deeper/build/folder"
rm -f "$first/sources" # built anew, not taken from an earlier run
(umask 022 && TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8 "$root/scripts/build-packages.sh" "$first")
(umask 002 && TZ=Pacific/Kiritimati LOCPATH=$scratch LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
    TMPDIR=$scratch/a/much/deeper/build/folder "$root/scripts/build-packages.sh" "$second")

status=0
(cd "$first" && ls -- *.deb) >"$scratch/first.list"
(cd "$second" && ls -- *.deb) >"$scratch/second.list"
diff -u "$scratch/first.list" "$scratch/second.list" || { echo "the two builds made different packages" >&2; exit 1; }
while read -r deb; do
    if ! cmp -s "$first/$deb" "$second/$deb"; then
        echo "$deb differs between the two builds:" >&2
        diffoscope --text - --max-report-size 200000 "$first/$deb" "$second/$deb" >&2 || true
        status=1
    fi
done <"$scratch/first.list"
[ "$status" -eq 0 ] && echo "$(wc -l <"$scratch/first.list") packages built twice, bit for bit the same"
exit "$status"
