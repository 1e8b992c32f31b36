#!/usr/bin/env bash
# End-to-end test of the settings dialog in the real meter, under Xvfb with openbox.
#   settings_e2e.sh <tarnivel>
# Opens "Settings..." from the graph's menu, sets 30% transparency and a blue background, OK:
# the window's opacity and the newest columns show it, and "Exit" stores both. A second run
# ticks the start-with-the-session box: the autostart entry names the running executable.
set -euo pipefail

meter_bin=$1

source "$(dirname "$0")/lib.sh"

# --- a private X server with a window manager, settings folder and home; no first-run wizard
start_xvfb
export HOME="$work" XDG_CONFIG_HOME="$work/config"
unset WAYLAND_DISPLAY SESSION_MANAGER
config="$work/config/Tarnivel/Tarnivel.conf"
entry="$work/config/autostart/Tarnivel.desktop"
mkdir -p "${config%/*}"
# The largest scale keeps the bars low: the top of the graph shows its background.
printf '[Settings]\nRunBefore=1\nMaxValue=9999999\nOpacity=255\n' >"$config"

start_openbox

start_meter() {
    "$meter_bin" >>"$work/meter.log" 2>&1 &
    meter=$!
    pids+=("$meter")
    wait_for 15 xdotool search --onlyvisible --class tarnivel || fail "no meter window"
    window=$(xdotool search --onlyvisible --class tarnivel | head -n 1)
    sleep 1
}

dialog_shown() { xdotool search --onlyvisible --name "^$1\$"; }

open_settings() { # "Settings..." is the item above "Exit"; the scale box takes the focus
    menu Up Up Return
    wait_for 5 dialog_shown Settings || fail "Settings... opened no dialog"
    sleep 0.5
}

close_settings_with_ok() { # Return presses OK, the default button
    xdotool key Return
    wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" ||
        fail "OK left the dialog open"
}

exit_meter() {
    menu Up Return
    wait_for 10 bash -c "! kill -0 $meter" || fail "Exit did not end the program"
    wait "$meter" || fail "the meter exited with an error"
}

pixel() { # prints "r g b" of the screen pixel at (x, y)
    import -window root -crop "1x1+$1+$2" txt:- |
        awk -F'[(,)]' 'NR == 2 {print int($3 / 257), int($4 / 257), int($5 / 257)}'
}

opacity() { xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $NF}'; }

setting() { # prints the stored text of one key
    sed -n "s/^$1=//p" "$config"
}

# --- run 1: 30% transparency and a blue background
start_meter
open_settings
# Options page: the transparency list is next to the scale box; "30%" is three down.
xdotool key --delay 100 Tab Down Down Down
# Back past the scale box to the tab bar, over to "Colours", and on to the fourth "..." button.
xdotool key --delay 100 shift+Tab shift+Tab Right Tab Tab Tab Tab space
wait_for 5 dialog_shown "Select Color" || fail "the background button opened no colour picker"
sleep 0.5
xdotool key --delay 100 alt+h ctrl+a
xdotool type --delay 50 "#0000ff"
xdotool key Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Select Color\$'" ||
    fail "the colour picker stayed open"
sleep 0.3
close_settings_with_ok

# 178 of 255: the window manager's opacity property is that share of 0xffffffff.
[ "$(opacity)" = $((178 * 0x01010101)) ] || fail "opacity property $(opacity)"
sleep 2.2 # a tick or two: the newest columns are drawn after the change
read -r wx wy ww _ < <(geometry)
[ "$(pixel "$((wx + ww - 2))" "$((wy + 4))")" = "0 0 255" ] ||
    fail "newest column shows $(pixel "$((wx + ww - 2))" "$((wy + 4))"), not the blue background"
[ "$(pixel "$((wx + 2))" "$((wy + 4))")" = "0 0 255" ] || fail "the graph was not redrawn"

exit_meter
[ "$(setting Opacity)" = 178 ] || fail "Opacity stored as '$(setting Opacity)'"
[ "$(setting BackColour)" = 16711680 ] || fail "BackColour stored as '$(setting BackColour)'"
[ ! -e "$entry" ] || fail "an autostart entry without the box ticked"

# --- run 2: the stored opacity comes back; tick "Start automatically when I log in"
start_meter
[ "$(opacity)" = $((178 * 0x01010101)) ] || fail "stored opacity not applied: $(opacity)"
open_settings
xdotool key --delay 100 Tab Tab space
close_settings_with_ok
[ -f "$entry" ] || fail "no autostart entry"
exec_line=$(grep '^Exec=' "$entry")
[ "$exec_line" = "Exec=\"$(realpath "$meter_bin")\"" ] || fail "entry starts $exec_line"
desktop-file-validate "$entry" || fail "the autostart entry is no valid desktop entry"
exit_meter
echo "PASS: settings"
