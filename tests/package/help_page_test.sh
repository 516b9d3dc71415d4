#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A help page is published as one file: valid HTML in UTF-8, nothing loaded
# from elsewhere, every in-page link landing, and every constant of the
# formulas named. (That it names every caption the window shows in its
# language, the window test checks.)
# Usage: help_page_test.sh PAGE
set -euo pipefail
page=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

report=$(tidy -q -e "$page" 2>&1) && [ -z "$report" ] || fail "tidy finds faults: $report"
grep -q '<meta charset="utf-8">' "$page" || fail "the page does not declare UTF-8"
grep -q '^<style>$' "$page" || fail "the page lacks its stylesheet"
! grep -q '@[A-Z_]*@' "$page" || fail "the page keeps a placeholder: $(grep -o '@[A-Z_]*@' "$page" | head -n 1)"
for outside in 'src=' '<link' '<script' '@import' 'url(' '<iframe' '<object'; do
    ! grep -qiF "$outside" "$page" || fail "the page loads something from elsewhere ($outside)"
done
for target in $(grep -o 'href="#[^"]*"' "$page" | cut -d'#' -f2 | tr -d '"' | sort -u); do
    grep -q "id=\"$target\"" "$page" || fail "the link #$target leads nowhere"
done
for constant in 2.2 102.78 2.78 3.544 0.0000066666 0.00095833 0.0495 0.84416 5.983 0.02722; do
    grep -qF "$constant" "$page" || grep -qF "${constant//./,}" "$page" || fail "the page lacks the constant $constant"
done
[ "$failures" -eq 0 ] || exit 1
echo "the help page is valid, self-contained and complete"
