#!/usr/bin/env bash
# The help page is published as one file: valid HTML, nothing loaded from
# elsewhere, every in-page link landing, and every panel of the window covered.
# Usage: help_page_test.sh PAGE
set -euo pipefail
page=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

command -v tidy >/dev/null || { echo "FAIL: tidy is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
if ! report=$(tidy -q -e "$page" 2>&1) || [ -n "$report" ]; then
    fail "tidy finds faults: $report"
fi

grep -q '<html lang="en">' "$page" || fail "the page does not declare its language"
grep -q '<meta charset="utf-8">' "$page" || fail "the page does not declare UTF-8"

# Self-contained: a published copy and an installed copy look the same.
for outside in 'src=' '<link' '<script' '@import' 'url(' '<iframe' '<object'; do
    ! grep -qiF "$outside" "$page" || fail "the page loads something from elsewhere ($outside)"
done

for target in $(grep -o 'href="#[^"]*"' "$page" | cut -d'#' -f2 | tr -d '"' | sort -u); do
    grep -q "id=\"$target\"" "$page" || fail "the link #$target leads nowhere"
done

# Captions exactly as the window shows them, written as HTML text.
captions=(
    'Body Mass and Strength' 'Power and Acceleration'
    'Body mass (kg)' 'lb &lt;--&gt; kg' 'FF Mass' '1RM'
    'Acceleration (m/s²)' 'Cycling Power (Watts)' 'Running speed &lt;==&gt; Cycling power'
    'BF %' 'FFM' 'Target BF%' 'Target Bmass' 'Resist. (kg)' 'Rep' '1RM/kg'
    'Dist 1' 'Time 1' 'Dist 2' 'Time 2' 'Accel.'
    'Speed (kph)' 'Bike mass' 'Grade (%)' 'Watts' 'Watts/kg'
    'Running speed (km/h)' 'Please insert body mass first.'
)
for caption in "${captions[@]}"; do
    grep -qF "$caption" "$page" || fail "the page never names \"$caption\""
done

# The constants of the formulas the program computes with.
for constant in '2.2' '102.78' '2.78' '3.544' '0.0000066666' '0.00095833' '0.0495' '0.84416' '5.983' '0.02722'; do
    grep -qF "$constant" "$page" || fail "the page lacks the constant $constant"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures fault(s) in $page" >&2
    exit 1
fi
echo "help page is valid, self-contained and complete"
