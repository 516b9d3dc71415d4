#!/usr/bin/env bash
# The help page is published as one file: valid HTML in UTF-8, nothing loaded
# from elsewhere, every in-page link landing, every caption of the window and
# every constant of its formulas named.
# Usage: help_page_test.sh PAGE
set -euo pipefail
page=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

report=$(tidy -q -e "$page" 2>&1) && [ -z "$report" ] || fail "tidy finds faults: $report"
grep -q '<meta charset="utf-8">' "$page" || fail "the page does not declare UTF-8"
for outside in 'src=' '<link' '<script' '@import' 'url(' '<iframe' '<object'; do
    ! grep -qiF "$outside" "$page" || fail "the page loads something from elsewhere ($outside)"
done
for target in $(grep -o 'href="#[^"]*"' "$page" | cut -d'#' -f2 | tr -d '"' | sort -u); do
    grep -q "id=\"$target\"" "$page" || fail "the link #$target leads nowhere"
done
for name in 'Body Mass and Strength' 'Power and Acceleration' 'Body mass (kg)' 'lb &lt;--&gt; kg' 'FF Mass' '1RM' \
    'Acceleration (m/s²)' 'Cycling Power (Watts)' 'Running speed &lt;==&gt; Cycling power' 'BF %' 'FFM' 'Target BF%' \
    'Target Bmass' 'Resist. (kg)' 'Rep' '1RM/kg' 'Dist 1' 'Time 1' 'Dist 2' 'Time 2' 'Accel.' 'Speed (kph)' \
    'Bike mass' 'Grade (%)' 'Watts' 'Watts/kg' 'Running speed (km/h)' 'Please insert body mass first.' \
    '2.2' '102.78' '2.78' '3.544' '0.0000066666' '0.00095833' '0.0495' '0.84416' '5.983' '0.02722'; do
    grep -qF "$name" "$page" || fail "the page never names \"$name\""
done
[ "$failures" -eq 0 ] || exit 1
echo "the help page is valid, self-contained and complete"
