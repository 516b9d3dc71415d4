#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every tracked C++ file is as clang-format (14, Debian 12) lays it
# out by .clang-format; lists the places that differ and fails if any does.
# `scripts/check-format.sh --fix` rewrites them instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
clang_format=${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}
[ -n "$clang_format" ] || { echo "check-format.sh: clang-format is missing: run scripts/install-deps.sh" >&2; exit 1; }
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    exec "$clang_format" -i "${files[@]}"
fi
exec "$clang_format" --dry-run --Werror "${files[@]}"
