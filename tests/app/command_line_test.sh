#!/usr/bin/env bash
# The command line, run as over ssh (no display): --help and --version print to standard output
# and end with status 0, an unknown option ends with an error and the --help hint on standard
# error; none of them reads or writes a setting or claims the meter's place. Qt's own options
# and the installer's hidden --exit are taken, and Qt's reach Qt (--help-all lists them): with
# -platform offscreen the program starts without a display.
#   command_line_test.sh <tarnivel> <version>
set -euo pipefail
tarnivel=$1
version=$2
source "$(dirname "$0")/../e2e/lib.sh"
private_session
unset DISPLAY

# arguments | status | the stream that holds the line (the other one stays empty) | the line
while IFS='|' read -r args status stream line; do
    code=0
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$tarnivel" $args >"$work/out" 2>"$work/err" || code=$?
    quiet=err
    [ "$stream" = out ] || quiet=out
    [ "$code" = "$status" ] || fail "'$args' ended with status $code"
    [ ! -s "$work/$quiet" ] || fail "'$args' wrote to standard $quiet: $(cat "$work/$quiet")"
    grep -Eqx "${line//VERSION/$version}" "$work/$stream" ||
        fail "'$args' printed no line '$line':$(cat "$work/$stream")"
done <<'TABLE'
--help|0|out|Usage: .*tarnivel \[options\]
-h|0|out|  -v, --version +Displays version information\.
--version|0|out|Tarnivel VERSION
-platform offscreen -display :9 -v|0|out|Tarnivel VERSION
-nograb --dograb -qdevel --qdebug -widgetcount -stylesheet=x.qss --exit -v|0|out|Tarnivel VERSION
--help-all|0|out|  --nograb +X11: never grab the mouse \(for debuggers\)\.
--bogus|1|err|Tarnivel: Unknown option 'bogus'\.
--bogus --help|1|err|Try '.*tarnivel --help' for more information\.
-platform|1|err|Tarnivel: Missing value after '-platform'\.
TABLE
[[ $("$tarnivel" --help) != *nograb* ]] || fail "--help lists Qt's options, which only --help-all does"
left=$(find "${config%/*}" "$XDG_RUNTIME_DIR" -mindepth 1)
[ -z "$left" ] || fail "settings or the lock touched: $left"

start -platform offscreen
wait_for 10 test -S "$XDG_RUNTIME_DIR/tarnivel-default.socket" || fail "-platform did not reach Qt"
kill -TERM "$program"
ends_within 10 SIGTERM

# No runtime folder private to the user (none set, Qt's fallback open to others): the meter runs
# all the same, unchecked, and says so.
printf '%s\n' '[Settings]' RunBefore=1 >"$config"
mkdir -m 755 "$work/runtime-$(id -un)"
XDG_RUNTIME_DIR='' TMPDIR=$work start -platform offscreen
wait_for 10 grep -q '^DL: ' "$work/tarnivel.log" || fail "no meter without a runtime folder"
grep -q 'starting without the check' "$work/tarnivel.log" || fail "no word of the missing check"
kill -TERM "$program"
ends_within 10 SIGTERM
echo "PASS"
