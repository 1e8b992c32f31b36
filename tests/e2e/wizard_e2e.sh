#!/usr/bin/env bash
# End-to-end test of the first run and of the program's life, with the real binary under Xvfb and
# openbox, starting from an empty settings folder.
#   wizard_e2e.sh <tarnivel>
# Closing the wizard (window manager, "No" to the terms, SIGTERM) ends the program with nothing
# stored; Finish stores the scale and opens the meter, which shows that scale; closing the meter
# through the window manager (wmctrl -c, Alt+F4) ends the program within a second with the
# settings stored; the next start opens the meter directly.
set -euo pipefail

tarnivel_bin=$1

source "$(dirname "$0")/lib.sh"

start_xvfb
export HOME="$work" XDG_CONFIG_HOME="$work/config"
unset WAYLAND_DISPLAY SESSION_MANAGER QT_SCALE_FACTOR
config="$work/config/Tarnivel/Tarnivel.conf"

start_openbox

start() {
    "$tarnivel_bin" >>"$work/tarnivel.log" 2>&1 &
    program=$!
    pids+=("$program")
}

# The first window with exactly this title that is on screen.
window_named() {
    xdotool search --onlyvisible --name "^$1\$" | head -n 1
}

# Waits for the program to end within $1 seconds, and for a clean exit.
ends_within() {
    wait_for "$1" bash -c "! kill -0 $program" || fail "the program still runs $1 s after: $2"
    wait "$program" || fail "the program exited with an error after: $2"
}

nothing_stored() {
    [ ! -s "$config" ] || fail "settings stored after $1: $(cat "$config")"
}

setting() { # prints the stored text of one key
    sed -n "s/^$1=//p" "$config"
}

all_stored() {
    local key
    for key in RunBefore MaxValue DLColour ULColour BackColour OverlapColour Float Opacity Width Height; do
        grep -q "^$key=" "$config" || fail "$key was not stored after $1"
    done
    [ "$(setting MaxValue)" = 211200 ] || fail "MaxValue '$(setting MaxValue)' after $1"
}

# Clicks at (x, y) of a window's client area.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.2
    xdotool click 1
    sleep 0.4
}

wizard_opens() {
    wait_for 15 window_named 'Welcome\.\.\.' || fail "no wizard on a first run"
    wizard=$(window_named 'Welcome\.\.\.')
    sleep 0.5
}

# Places in the wizard's client area (324 x 321 pixels).
agree_x=18 agree_y=203
next_x=278 next_y=268
list_x=230 list_y=146

# --- the window manager closes the wizard: the program ends, nothing is stored
start
wizard_opens
wmctrl -c 'Welcome...'
ends_within 1 "closing the wizard"
nothing_stored "closing the wizard"

# --- "No" to the terms ends the program, nothing stored
start
wizard_opens
click_at "$wizard" "$next_x" "$next_y"
wait_for 5 window_named ':o\(' || fail "no message when Next is pressed without agreeing"
box=$(window_named ':o\(')
xdotool windowactivate --sync "$box" key n
ends_within 1 "answering No"
nothing_stored "answering No"

# --- the end of the session while the wizard is open stores nothing
start
wizard_opens
kill -TERM "$program"
ends_within 1 "SIGTERM in the wizard"
nothing_stored "SIGTERM in the wizard"

# --- agree, choose "T1" and finish: the meter opens with that scale
start
wizard_opens
click_at "$wizard" "$agree_x" "$agree_y"
click_at "$wizard" "$next_x" "$next_y"
click_at "$wizard" "$next_x" "$next_y"
click_at "$wizard" "$list_x" "$list_y"
xdotool key End Up Up Return # "T1", two entries above "Other" at the end of the list
sleep 0.4
click_at "$wizard" "$next_x" "$next_y"
wait_for 5 window_named Form1 || fail "no meter after Finish"
window_named 'Welcome\.\.\.' && fail "the wizard stayed on screen after Finish"
[ "$(setting RunBefore)" = 1 ] || fail "RunBefore '$(setting RunBefore)' after Finish"
[ "$(setting MaxValue)" = 211200 ] || fail "MaxValue '$(setting MaxValue)' after Finish"
sleep 1.5
# The meter stores the scale it loaded when the window manager closes it.
wmctrl -c Form1
ends_within 1 "wmctrl -c on the meter"
all_stored "wmctrl -c on the meter"

# --- the next start opens the meter directly; Alt+F4 ends the program
sed -i 's/^Opacity=.*/Opacity=254/' "$config"
start
wait_for 15 window_named Form1 || fail "no meter on the second start"
window_named 'Welcome\.\.\.' && fail "the wizard opened again"
meter=$(window_named Form1)
sleep 1
xdotool windowactivate --sync "$meter"
xdotool key alt+F4
ends_within 1 "Alt+F4 on the meter"
all_stored "Alt+F4 on the meter"
[ "$(setting Opacity)" = 254 ] || fail "the meter did not load the stored settings"

echo "PASS: wizard and program life"
