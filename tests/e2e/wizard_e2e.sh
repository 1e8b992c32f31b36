#!/usr/bin/env bash
# The first run and the program's life, under Xvfb and openbox, from no settings at all.
#   wizard_e2e.sh <tarnivel>
# Closing the wizard (window manager, "No" to the terms, SIGTERM) ends the program with nothing
# stored; Finish stores the scale and opens the meter; the window manager closing the meter ends
# the program within a second with the settings stored; the next start opens the meter directly.
set -euo pipefail
tarnivel=$1
source "$(dirname "$0")/lib.sh"

start_xvfb
private_session
start_openbox

wizard_opens() {
    start
    wait_window 'Welcome\.\.\.'
    wizard=$window
    sleep 0.5
}
nothing_stored() { [ ! -s "$config" ] || fail "settings stored after $1: $(cat "$config")"; }
click_at() { # (x, y) of the wizard's client area, 324 x 321 pixels
    xdotool mousemove --window "$wizard" "$1" "$2" sleep 0.2 click 1 sleep 0.4
}
next() { click_at 278 268; }

wizard_opens
wmctrl -c 'Welcome...'
ends_within 5 "closing the wizard"
nothing_stored "closing the wizard"

wizard_opens
next
wait_for 5 window_named ':o\(' || fail "no message when Next is pressed without agreeing"
xdotool windowactivate --sync "$(window_named ':o\(')" key n
ends_within 5 "answering No"
nothing_stored "answering No"

wizard_opens
kill -TERM "$program"
ends_within 5 "SIGTERM in the wizard"
nothing_stored "SIGTERM in the wizard"

# --- agree, choose "T1" (two above "Other", the last entry) and finish
wizard_opens
click_at 18 203
next
next
click_at 230 146
xdotool key End Up Up Return
sleep 0.4
next
wait_window Form1
! window_named 'Welcome\.\.\.' >/dev/null || fail "the wizard stayed on screen after Finish"
[ "$(setting RunBefore) $(setting MaxValue)" = "1 211200" ] || fail "after Finish: $(cat "$config")"
sleep 1.5
wmctrl -c Form1
ends_within 5 "wmctrl -c on the meter"
all_stored "wmctrl -c on the meter"
[ "$(setting MaxValue)" = 211200 ] || fail "the meter stored MaxValue '$(setting MaxValue)'"

# --- the next start opens the meter directly
start
wait_window Form1
! window_named 'Welcome\.\.\.' >/dev/null || fail "the wizard opened again"
sleep 1
xdotool windowactivate --sync "$window" key alt+F4
ends_within 5 "Alt+F4 on the meter"
echo "PASS: wizard and program life"
