#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the built vorlenta-squad as scripts and coaches use it: each row is a
# command line, its exit status, its standard output and its standard error
# (a bash pattern).
#   squad_test.sh VORLENTA_SQUAD MANUAL_PAGE VERSION
set -u
export S=$1
man_page=$2 version=$3
passed=0 failed=0
dir=$(mktemp -d) && cd "$dir" || exit 1
check() { # name status stdout stderr command
    local out err status
    out=$(bash -c "$5" 2>err); status=$?; err=$(cat err)
    if [[ $status == "$2" && $out == "$3" && $err == $4 ]]; then passed=$((passed + 1)); else
        failed=$((failed + 1)); printf 'FAILED %s: status %s\n--- out\n%s\n--- err\n%s\n' "$1" "$status" "$out" "$err"; fi
}
nl=$'\n'
printf 'name,body_mass,load,reps,Group\nAnna,80,100,10,a\nBen,,150,5,b\n' >squad.csv
check derived_and_formula_columns 0 "name,body_mass,load,reps,Group,one_rm,one_rm_per_kg,rel${nl}Anna,80,100,10,a,133.37,1.67,1.667125${nl}Ben,,150,5,b,168.77,," '' \
    '$S -c "rel = one_rm/body_mass" squad.csv'
check semicolons_mean_decimal_commas_crlf_and_mark_kept 0 "$(printf '\xef\xbb\xbfBody_Mass;body_fat;fat_free_mass;twice\r\n72,5;18,3;59,23;118,46\r')" '' \
    'printf "\xef\xbb\xbfBody_Mass;body_fat\r\n72,5;18,3\r\n" | $S --column twice=fat_free_mass*2'
check decimal_option_beats_the_separator 0 "a;b;s${nl}1.5;2;3.5" '' 'printf "a;b\n1.5;2\n" | $S --decimal . -c s=a+b'
check problems_name_file_line_column 1 "name,body_mass,body_fat,fat_free_mass${nl}Cara,abc,20,${nl}Dan,80,20,64.00" \
    "f.csv:2: body_mass: not a number: 'abc'" 'printf "name,body_mass,body_fat\nCara,abc,20\nDan,80,20\n" >f.csv; $S f.csv'
check formula_fault_once_with_position 1 "a,x${nl}1,${nl}2," '<stdin>:1: x: Operand expected (position 3)' 'printf "a\n1\n2\n" | $S -c "x=a+"'
check row_faults_each_with_line 1 "a,r${nl}0,${nl}2,0.5${nl}0," "<stdin>:2: r: Division by zero${nl}<stdin>:4: r: Division by zero" \
    'printf "a\n0\n2\n0\n" | $S -c r=1/a'
check unclosed_quote_and_long_row_keep_every_cell 1 "a,b${nl}\"\"\"x\",1${nl}1,2,3" \
    '<stdin>:2: a quote that is not closed*<stdin>:3: a row with too many cells: 3*' 'printf "a,b\n\"x,1\n1,2,3\n" | $S'
check text_that_would_run_stays_text 0 "name,n${nl}\"'=HYPERLINK(\"\"x\"\")\",-5" '' 'printf "name,n\n=HYPERLINK(\"x\"),-5\n" | $S'
check two_files_one_table_missing_file_reported 1 "a,s${nl}1,2${nl}3,6" 'nope.csv: cannot open: No such file or directory' \
    'printf "a\n1\n" >1.csv; printf "a\n3\n" >2.csv; $S -c s=a*2 1.csv nope.csv 2.csv'
check usage_errors 2 '' "vorlenta-squad: --column power=1: power is a column of the calculators*--decimal takes . or ,*unknown option --nope*" \
    '$S --column power=1; $S --decimal x; $S --nope; exit $?'
check binary_junk_every_byte_bounded_problems 1 'kept' 'junk:1: not UTF-8 text*junk: * more problems not shown' \
    '{ head -c 2000000 /dev/urandom | tr -d "\",;\r\t=+@-"; echo; } >junk; $S junk >out; s=$?; cmp -s junk out && echo kept; exit $s'
# Peak kB, whatever the build's own overhead (a sanitizer's quarantine kept small).
rss='ASAN_OPTIONS=${ASAN_OPTIONS:-}:quarantine_size_mb=1 /usr/bin/time -f %M $S -c s=a*2 2>&1 >/dev/null | tail -n 1'
check memory_flat_on_50_megabytes 0 'flat' '' \
    "base=\$(printf 'a\n1\n' | $rss); kb=\$(yes \"\$(printf 7,%0200d 0)\" | head -n 250000 | sed 1s/.*/a,note/ | $rss); ((kb < base + 16384)) && echo flat"
check closed_output_stops_cleanly 0 'a,s' '' 'yes 1 | sed 1s/1/a/ | $S -c s=a+1 | head -n 1; exit ${PIPESTATUS[2]}'
check full_disk_is_reported 1 '' '*cannot write the output*' '$S squad.csv >/dev/full'
check help_names_exit_statuses 0 'yes' '' '$S --help | grep -q "2  usage error" && echo yes'
check version 0 "vorlenta-squad $version" '' '$S --version'
check manual_without_warnings 0 '' '' "groff -man -ww -z $man_page && man --warnings -l $man_page >/dev/null"
cd / && rm -rf "$dir"
echo "$passed passed, $failed failed"
((failed == 0))
