#!/usr/bin/env bash
# The program's life from no settings at all, under Xvfb with openbox and a tray.
#   wizard_e2e.sh <tarnivel>
# Closing the wizard (window manager, "No" to the terms, SIGTERM) ends the program with nothing
# stored; Finish stores the scale and opens the meter; every start after that opens the meter,
# and every end of it (window manager, Alt+F4, SIGINT, SIGHUP, SIGTERM) ends the program within
# seconds with the settings stored. A second start, during the wizard or with the meter in the
# tray, brings that window forward and ends at once with status 0, storing nothing.
set -euo pipefail
tarnivel=$1
source "$(dirname "$0")/lib.sh"

start_xvfb
private_session
start_openbox
start_trayer

nothing_stored() { [ ! -s "$config" ] || fail "settings stored after $1: $(cat "$config")"; }
click_at() { # (x, y) of the wizard's client area, 324 x 321 pixels
    xdotool mousemove --window "$window" "$1" "$2" sleep 0.2 click 1 sleep 0.4
}
next() { click_at 278 268; }
wizard_opens() { start && wait_window 'Welcome\.\.\.' && sleep 0.5; }
# A second start ends at once with status 0 and stores nothing; the first program's window $1
# comes forward, just once on screen.
second_start_brings() {
    local before
    before=$(cat "$config" 2>/dev/null || true)
    timeout 10 "$tarnivel" >>"$work/second.log" 2>&1 || fail "the second start ended with status $?"
    [ "$(cat "$config" 2>/dev/null || true)" = "$before" ] || fail "the second start stored"
    wait_for 5 window_named "$1" || fail "the second start did not bring '$1' forward"
    [ "$(xdotool search --onlyvisible --name "^$1\$" | wc -l)" -eq 1 ] || fail "two '$1' show"
    kill -0 "$program" || fail "the first program ended"
}

for way in wmctrl No SIGTERM; do
    wizard_opens
    case $way in
    wmctrl)
        xdotool windowminimize --sync "$window"
        second_start_brings 'Welcome\.\.\.'
        wmctrl -c 'Welcome...'
        ;;
    No)
        next # without agreeing
        wait_for 5 window_named ':o\(' || fail "no message when Next is pressed without agreeing"
        xdotool windowactivate --sync "$(window_named ':o\(')" key n
        ;;
    SIGTERM) kill -TERM "$program" ;;
    esac
    ends_within 5 "$way in the wizard"
    nothing_stored "$way in the wizard"
done

# --- agree, choose "T1" (two above "Other", the last entry) and finish
wizard_opens
click_at 18 203 && next && next && click_at 230 146
xdotool key End Up Up Return
sleep 0.4
next
wait_window Form1
! window_named 'Welcome\.\.\.' >/dev/null || fail "the wizard stayed on screen after Finish"
[ "$(setting RunBefore) $(setting MaxValue)" = "1 211200" ] || fail "after Finish: $(cat "$config")"

for way in wmctrl alt-f4 SIGINT SIGHUP SIGTERM; do
    [ "$way" = wmctrl ] || { start && wait_window Form1; }
    wait_for 5 grep -q '^DL: ' "$work/tarnivel.log" || fail "$way: the meter does not tick"
    case $way in
    wmctrl) wmctrl -i -c "$window" ;;
    alt-f4) xdotool windowactivate --sync "$window" key alt+F4 ;;
    SIGHUP)
        menu Down Down Return # "Send To Tray"
        wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "Send To Tray failed"
        second_start_brings Form1
        kill -HUP "$program"
        ;;
    *) kill -s "${way#SIG}" "$program" ;;
    esac
    ends_within 5 "$way"
    all_stored "$way"
    [ "$(setting MaxValue)" = 211200 ] || fail "MaxValue stored as '$(setting MaxValue)' after $way"
done
echo "PASS: the program's life"
