#!/usr/bin/env bash
# The program's life from no settings at all, under Xvfb with openbox and a tray.
#   wizard_e2e.sh <tarnivel>
# Closing the wizard (window manager, "No" to the terms, SIGTERM) ends the program with nothing
# stored; Finish stores the scale and opens the meter, which the window manager moves and
# resizes, "Float" takes off the top and back, "Send To Tray" hides behind a tray icon whose
# double click (not a single one) brings it back, and whose "Settings..." changes its
# transparency; every start after that opens the meter,
# and every end of it (window manager, Alt+F4, SIGINT, SIGHUP, SIGTERM) ends the program within
# seconds with the settings stored. A second start, during the wizard or with the meter in the
# tray, brings that window forward and ends at once with status 0, storing nothing; one that
# finds the meter stopped says why and ends with an error.
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

# --- the meter on the desktop
sleep 1
move_and_resize # by the window manager

# "Float" off and on again: the window leaves the top and comes back, in place and shown.
above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
place=$(geometry)
menu Down Return
wait_for 5 eval '! above' || fail "Float off left the window on top"
menu Down Return
wait_for 5 above || fail "Float on did not put the window on top"
[ "$(geometry)" = "$place" ] || fail "Float moved the window: $(geometry)"

# "Send To Tray" hides the window behind a tray icon; a double click, not a single one,
# brings it back where it was.
menu Down Down Return
wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" ||
    fail "Send To Tray left the window visible"
panel=$(xdotool search --classname panel | head -n 1)
icon=$(xwininfo -children -id "$panel" | awk '/^ +0x/{print $1; exit}')
[ -n "$icon" ] || fail "no tray icon in the tray host"
read -r ix iy < <(xwininfo -id "$icon" |
    awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x + 8, y + 8}')
xdotool mousemove "$ix" "$iy" sleep 0.3 click 1 sleep 1
! window_named Form1 >/dev/null || fail "a single click restored the window"
xdotool click --repeat 2 --delay 80 1
wait_for 5 bash -c "! xwininfo -id $icon" || fail "double click left the tray icon"
wait_window Form1 # a new native window after the change of stacking
[ "$(geometry)" = "$place" ] || fail "restored at $(geometry), not at $place"
above || fail "restored without Float"

# "Settings..." (above "Exit"): the scale box has the focus, two down the transparency list from
# "Opaque" is 20%; back to the tab bar, over to "Colours", its fourth "..." opens the colour
# picker, where blue is typed; on from the button, Return presses OK: 204 of 255 of 0xffffffff.
menu Up Up Return
wait_for 5 window_named Settings || fail "Settings... opened no dialog"
xdotool sleep 0.5 key --delay 100 Tab Down Down shift+Tab shift+Tab Right Tab Tab Tab Tab space
wait_for 5 window_named "Select Color" || fail "the background button opened no colour picker"
xdotool sleep 0.5 key --delay 100 alt+h ctrl+a type --delay 50 "#0000ff"
xdotool key Return sleep 0.5 key Tab Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" || fail "OK left the dialog"
opacity=$(xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')
[ "$opacity" = $((204 * 0x01010101)) ] || fail "opacity property $opacity after Settings..."

for way in wmctrl alt-f4 SIGINT SIGHUP SIGTERM; do
    [ "$way" = wmctrl ] || { start && wait_window Form1; }
    wait_for 5 grep -q '^DL: ' "$work/tarnivel.log" || fail "$way: the meter does not tick"
    case $way in
    wmctrl) wmctrl -i -c "$window" ;;
    alt-f4) xdotool windowactivate --sync "$window" key alt+F4 ;;
    SIGHUP)
        menu Down Down Return # "Send To Tray"
        wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "Send To Tray failed"
        touch -d '1 hour ago' "$XDG_RUNTIME_DIR"/tarnivel-*.lock # a live meter's lock stays
        second_start_brings Form1
        kill -STOP "$program" # takes no request: a start says why and ends with an error
        "$tarnivel" >"$work/unanswered.log" 2>&1 &
        pids+=($!)
        wait_window Tarnivel
        xdotool windowactivate --sync "$window" key Return
        ! wait "${pids[-1]}" || fail "the unanswered start ended with status 0"
        grep -q 'did not come forward' "$work/unanswered.log" || fail "no reason on standard error"
        kill -HUP "$program"
        kill -CONT "$program"
        ;;
    *) kill -s "${way#SIG}" "$program" ;;
    esac
    ends_within 5 "$way"
    all_stored "$way"
    [ "$(setting BackColour)" = 16711680 ] || fail "the picked blue stored as $(setting BackColour)"
    [ "$(setting MaxValue)" = 211200 ] || fail "MaxValue stored as '$(setting MaxValue)' after $way"
done
echo "PASS: the program's life"
