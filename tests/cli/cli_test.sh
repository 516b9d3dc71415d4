#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the built vorlenta-eval as scripts and people use it: each row is a
# command line, its exit status, its standard output and its standard error
# (a bash pattern).
#   cli_test.sh VORLENTA_EVAL MANUAL_PAGE VERSION LIBRARY_VERSION
set -u
export E=$1
man_page=$2 version=$3 library_version=$4
passed=0 failed=0
check() { # name status stdout stderr command
    local out err status
    out=$(bash -c "$5" 2>/tmp/cli_test_err.$$); status=$?; err=$(cat /tmp/cli_test_err.$$)
    if [[ $status == "$2" && $out == "$3" && $err == $4 ]]; then passed=$((passed + 1)); else
        failed=$((failed + 1)); printf 'FAILED %s: status %s\n--- out\n%s\n--- err\n%s\n' "$1" "$status" "$out" "$err"; fi
}
nl=$'\n'
# A German locale built in a scratch folder, so that none need be installed.
# (glibc's newlocale loses the list it makes of LOCPATH: no finding of ours.)
locales=$(mktemp -d)
localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" 2>/dev/null
echo leak:__argz_add_sep >"$locales/lsan.supp"
export DE="env LOCPATH=$locales LC_ALL=de_DE.UTF-8 LSAN_OPTIONS=suppressions=$locales/lsan.supp:print_suppressions=0"
check precedence_and_shortest_text 0 "7${nl}64${nl}4${nl}1000000${nl}0.30000000000000004${nl}0.5" '' \
    '$E "1+2*3" "2^3^2" "-2^2" "1000*1000" "0.1+0.2" "%50"'
check exponent_from_1e16_and_below_1e-6 0 "9999999999999998${nl}1e+16${nl}1.8446744073709552e+19${nl}0.000001${nl}9.9e-07" '' \
    '$E "10^16-2" "10^16" "2^64" "10^-6" 0.00000099'
check comma_locale 0 '2,5' '' '$DE $E "1,5+1"'
check point_option_beats_locale 0 '2.5' '' '$DE $E --point "1.5+1"'
check last_define_counts_in_comma 0 '5' '' '$DE $E -D m=1,5 --define m=2,5 "M*2"'
check define_with_sign_exponent 0 '-2500' '' '$E -Dg=-2.5e3 -- g'
check caret_under_argument 2 '' "vorlenta-eval: 2*(3${nl}                   ^ Closing parenthesis expected (position 5)" '$E "2*(3"'
check caret_after_tab_and_wide_character 2 "2${nl}4" "vorlenta-eval: line 4: 中 �${nl}                          ^ Invalid UTF-8 (position 3)" \
    'printf "1+1\n\n \t\n中\t\xff\n4\n" | $E'
check caret_second_point 2 '' '*1..2?*               ^ Operand contains multiple decimal points (position 3)' '$E 1..2'
check arithmetic_goes_on 3 "5" '*1/0: division by zero' '$E 1/0 5'
check domain_fault 3 '' '*S(-4): *domain*' '$E "S(-4)"'
check syntax_beats_arithmetic_in_either_order 0 '2 2' '' '$E 1/0 "(" 2>/dev/null; a=$?; $E "(" 1/0 2>/dev/null; echo $a $?'
check function_letter_after_operand 2 '' '*2E3*^ Operator expected (position 2)*2S9*^ Operator expected (position 2)' '$E 2E3 2S9'
check other_notation_hint 2 '' "*Operator expected (position 2); use --point for '.'" '$DE $E 1.5'
check empty_argument 1 '' '*argument 2 is empty*' '$E 1 " "'
check bad_define_value 1 '' '*-D m=abc*no number*' '$E -D m=abc 1'
check define_of_function_letter 1 '' '*-D Speed=2: *not with an upper-case E, S or L*' '$E -D Speed=2 1'
check unknown_option 1 '' '*unknown option --nope*' '$E --nope'
check invalid_utf8_cut_by_line_end 2 '7' '*line 1: *(position 3)*line 3: *Invalid UTF-8 (position 2)*line 4: *Invalid UTF-8 (position 1)' \
    'printf "1+\xff\n7\n2\xe2\x82\n\xac\n" | $E'
check nul_byte 2 '' '*NUL byte in the line (position 2)' 'printf "1\0+2\n" | $E'
check too_long_whatever_it_starts_with 3 '1' '*line 1: *too long to evaluate*line 2: *too long to evaluate*' \
    '{ printf "%98301s1/0\n" ""; head -c 1048576 /dev/zero | tr "\0" " "; printf "1/0\n1\n"; } | $E'
check postfix_form_too_long 3 '8192' '*: expression too long to evaluate*' \
    '$E "$(printf "1+%.0s" {1..8191})1" "$(printf "1+%.0s" {1..8192})1"'
check million_lines 0 '1000000' '' 'seq 1000000 | $E | tail -n 1'
rss='/usr/bin/time -f %M $E 2>&1 >/dev/null | tail -n 1' # peak kB, whatever the build's own overhead
check memory_flat_on_long_line 0 'flat' '' \
    "base=\$(echo 1 | $rss); kb=\$(head -c 67108864 /dev/zero | tr '\\0' 1 | $rss); ((kb < base + 16384)) && echo flat"
check closed_output_stops_cleanly 0 '2' '' 'yes 1+1 | $E | head -n 1; exit ${PIPESTATUS[1]}'
check full_disk_is_reported 1 '' '*cannot write the output*' '$E 1 >/dev/full'
check help_and_version_to_full_disk 1 '' '*cannot write the output*cannot write the output*' '$E --help >/dev/full || $E --version >/dev/full'
check help_names_exit_statuses 0 'yes' '' '$E --help | grep -q "3  an expression had an arithmetic fault" && echo yes'
check version 0 "vorlenta-eval $version${nl}libvorlenta-eval $library_version" '' '$E --version'
check no_qt_and_no_libedit_for_scripts 0 '' '' \
    'ldd $E | grep -q libc.so && ! { ldd $E; echo 1 | LD_DEBUG=files $E 2>&1; } | grep -iE "qt|icu|libedit"'
check assignment_is_quiet_and_ans_follows 2 "7${nl}14${nl}3" "*line 1: ans*Undefined symbol : 'ans'*" \
    'printf "ans\nx = 2*3\nx+1\nans*2\nX = x/2\nans\n" | $E'
check user_ans_wins 0 "2${nl}5${nl}2${nl}2${nl}7" '' '$E -D ans=5 1+1 ans && $E 1+1 "ans = 7" 2 ans'
check assignment_faults 2 '' '*Speed = 4?*^ A symbol name *upper-case E, S or L*(position 1)*x = 2[*][(]1?*^ Closing parenthesis expected (position 9)*Invalid UTF-8 (position 1)' \
    '$E "Speed = 4" "x = 2*(1" "$(printf "\xff=1")"'
check hints_where_they_fit 0 "vorlenta-eval: hint: numbers have no exponent here, and E is e^x: write 1.5*10^-3 for 1.5e-3
vorlenta-eval: hint: the power is written ^ here (2^3 is 8), not **
vorlenta-eval: hint: % here is a hundredth of what follows it: %50 is 0.5" '' \
    '$E -D x=1 1.5e-3 "2 ** 3" 7%3 "x E1" "2 e3" "2E(3)" "2*e3" "(*3" 2>&1 >/dev/null | grep hint:'
check file_lines_in_turn_with_arguments 2 "19.62${nl}20.62" '*:2: 2[*][(]3?*^ Closing parenthesis expected (position 5)' \
    'f=$(mktemp); printf "g = 9.81\n2*(3\ng*2\n" >$f; $E -f $f "ans+1"; s=$?; rm $f; exit $s'
check missing_file_and_file_as_expression 0 '2 1' "*Undefined symbol : 'in'*hint: *use -f in.txt*cannot read nope: No such file*" \
    'cd $(mktemp -d); echo 1 >in.txt; $E in.txt; a=$?; $E -f nope 2; echo $a $?; rm -r "$PWD"'
# A person at a terminal: each session runs in a tmux window of its own and reads the keys sent to it.
export T="tmux -L vorlenta_cli_$$"
screen() { $T capture-pane -p -S - -t "$1"; }
wait_for() { for _ in {1..100}; do (($(screen "$1" | grep -c -- "$2") >= ${3:-1})) && return; sleep 0.1; done; }
# NAME [VARIABLE=VALUE...]: a session started from a shell with job control, in a window of its own;
# ended NAME waits for its exit status.
session() { $T new-window -d -n "$1" "HISTFILE= bash --norc --noprofile -i"
    $T send-keys -t "$1" "${*:2} $E; echo \$? >$XDG_STATE_HOME/$1.status" Enter; }
ended() { for _ in {1..100}; do [ -s $XDG_STATE_HOME/$1.status ] && break; sleep 0.1; done; cat $XDG_STATE_HOME/$1.status; }
export -f screen wait_for session ended
history_lines=$(printf '%s|' _HiStOrY_V2_ '6*7' 'x\040=\040ans/2' 1/0 quit '2*(3' 1 '5*5')
check terminal_sessions 0 "2 1 0 0 143 3 1${nl}700 600 ${history_lines%|}" '' 'export XDG_STATE_HOME=$(mktemp -d); touch $XDG_STATE_HOME/file
    $T -f /dev/null new-session -d -x 80 -y 10; session a; session b; session c
    session d XDG_STATE_HOME=$XDG_STATE_HOME/file
    wait_for a "^>$"; $T send-keys -t a "1+"; wait_for a "^> 1+$"; $T send-keys -t a C-c; wait_for a "^> 1+^C$"
    $T send-keys -t a "6*7" Enter Up Enter; wait_for a "^42$" 2
    $T send-keys -t a "x = ans/2" Enter; wait_for a "^21$"; echo -n "$(screen a | grep -c "^42$") $(screen a | grep -c "^21$") "
    $T send-keys -t a 1/0 Enter quit Enter; echo -n "$(ended a) "
    wait_for b "^>$"; $T send-keys -t b "2*(3" Enter 1 Enter; wait_for b "^1$"; $T send-keys -t b C-d; echo -n "$(ended b) "
    wait_for c "^>$"; $T send-keys -t c "5*5" Enter; wait_for c "^25$"; kill -TERM $(pgrep -P $($T display -p -t c "#{pane_pid}"))
    echo -n "$(ended c) "; wait_for d "^>$"; $T send-keys -t d 1/0 Enter C-d; echo "$(ended d) $(screen d | grep -c "not kept")"
    echo $(stat -c %a $XDG_STATE_HOME/vorlenta $XDG_STATE_HOME/vorlenta/eval_history) $(paste -sd"|" $XDG_STATE_HOME/vorlenta/eval_history)
    $T kill-server; rm -r $XDG_STATE_HOME'
check ctrl_z_and_fg_keep_the_line 0 1 '' 'export XDG_STATE_HOME=$(mktemp -d) T=${T}_z; $T -f /dev/null new-session -d -x 80 -y 10; session z
    wait_for z "^>$"; $T send-keys -t z "3+"; wait_for z "^> 3+"; $T send-keys -t z C-z; wait_for z Stopped
    $T send-keys -t z fg Enter; wait_for z "^> 3+" 2; $T send-keys -t z 4 Enter; wait_for z "^7$"; screen z | grep -c "^7$"
    $T send-keys -t z C-d; ended z >/dev/null; $T kill-server; rm -r $XDG_STATE_HOME'
check manual_without_warnings 0 '' '' "groff -man -ww -z $man_page && man --warnings -l $man_page >/dev/null"
rm -rf /tmp/cli_test_err.$$ "$locales"
echo "$passed passed, $failed failed"
((failed == 0))
