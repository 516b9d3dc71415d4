#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the built vorlenta-eval as scripts and people use it: each row is a
# command line, its exit status, its standard output and its standard error
# (a bash pattern).
#   cli_test.sh VORLENTA_EVAL MANUAL_PAGE VERSION
set -u
export E=$1
man_page=$2 version=$3
passed=0 failed=0
check() { # name status stdout stderr command
    local out err status
    out=$(bash -c "$5" 2>/tmp/cli_test_err.$$); status=$?; err=$(cat /tmp/cli_test_err.$$)
    if [[ $status == "$2" && $out == "$3" && $err == $4 ]]; then passed=$((passed + 1)); else
        failed=$((failed + 1)); printf 'FAILED %s: status %s\n--- out\n%s\n--- err\n%s\n' "$1" "$status" "$out" "$err"; fi
}
nl=$'\n'
check precedence_and_shortest_text 0 "7${nl}64${nl}4${nl}1000000${nl}0.30000000000000004${nl}0.5" '' \
    '$E "1+2*3" "2^3^2" "-2^2" "1000*1000" "0.1+0.2" "%50"'
check comma_locale 0 '2,5' '' 'LC_ALL=de_DE.UTF-8 $E "1,5+1"'
check point_locale 0 '2.5' '' 'LC_ALL=C LANG=de_DE.UTF-8 $E "1.5+1"'
check point_option_beats_locale 0 '2.5' '' 'LC_ALL=de_DE.UTF-8 $E --point "1.5+1"'
check last_define_counts_in_comma 0 '5' '' 'LC_ALL=de_DE.UTF-8 $E -D m=1,5 --define m=2,5 "M*2"'
check define_with_sign_exponent 0 '-2500' '' '$E -Dg=-2.5e3 -- g'
check caret_under_argument 2 '' "vorlenta-eval: 2*(3${nl}                   ^ Closing parenthesis expected (position 5)" '$E "2*(3"'
check caret_after_tab_on_stdin 2 "2${nl}4" "vorlenta-eval: line 4: 1 2${nl}                         ^ Operator expected (position 3)" \
    'printf "1+1\n\n \t\n1\t2\n4\n" | $E'
check caret_second_point 2 '' '*1..2?*               ^ Operand contains multiple decimal points (position 3)' '$E 1..2'
check arithmetic_goes_on 3 "5" '*1/0: division by zero' '$E 1/0 5'
check domain_fault 3 '' '*S(-4): *domain*' '$E "S(-4)"'
check syntax_beats_arithmetic 2 '' '*division by zero*Closing parenthesis expected*' '$E 1/0 "("'
check bad_define_value 1 '' '*-D m=abc*no number*' '$E -D m=abc 1'
check bad_define_name 1 '' '*--define 1x=2*NAME=VALUE expected*' '$E --define 1x=2 1'
check define_of_function_letter 1 '' '*NAME=VALUE*' '$E -D Speed=2 1'
check unknown_option 1 '' '*unknown option --nope*' '$E --nope'
check invalid_utf8 2 '7' '*line 1: *Invalid UTF-8 (position 3)' 'printf "1+\xff\n7\n" | $E'
check nul_byte 2 '' '*NUL byte in the line (position 2)' 'printf "1\0+2\n" | $E'
check mebibyte_line 3 '1' '*line 1: *too long*' '{ head -c 1048576 /dev/zero | tr "\0" 1; printf "\n1\n"; } | $E'
check deep_nesting 3 '' '*too deeply nested*' 'printf "%040000d\n" 0 | tr 0 "(" | $E'
check million_lines 0 '1000000' '' 'seq 1000000 | $E | tail -n 1'
rss='/usr/bin/time -f %M $E 2>&1 >/dev/null | tail -n 1' # peak kB, whatever the build's own overhead
check memory_flat_on_long_line 0 'flat' '' \
    "base=\$(echo 1 | $rss); kb=\$(head -c 67108864 /dev/zero | tr '\\0' 1 | $rss); ((kb < base + 16384)) && echo flat"
check closed_output_stops_cleanly 0 '1' '' 'seq 100000 | $E | head -n 1; exit ${PIPESTATUS[1]}'
check full_disk_is_reported 1 '' '*cannot write the output*' '$E 1 >/dev/full'
check help_names_exit_statuses 0 'yes' '' '$E --help | grep -q "3  an expression had an arithmetic fault" && echo yes'
check version 0 "vorlenta-eval $version" '' '$E --version'
check manual_without_warnings 0 '' '' "groff -man -ww -z $man_page && man --warnings -l $man_page >/dev/null"
rm -f /tmp/cli_test_err.$$
echo "$passed passed, $failed failed"
((failed == 0))
