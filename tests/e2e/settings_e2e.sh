#!/usr/bin/env bash
# The settings dialog in the real meter, under Xvfb with openbox.
#   settings_e2e.sh <tarnivel>
# 30% transparency and a blue background, OK: the window's opacity and the newest columns show
# them and "Exit" stores both. A second run ticks the autostart box: the entry names the program.
set -euo pipefail
tarnivel=$1
source "$(dirname "$0")/lib.sh"

start_xvfb
# The largest scale keeps the bars low: the top of the graph shows its background.
private_session RunBefore=1 MaxValue=9999999 Opacity=255
entry="$XDG_CONFIG_HOME/autostart/Tarnivel.desktop"
start_openbox

open_settings() { # "Settings..." is above "Exit"; the scale box takes the focus
    start
    wait_window Form1
    sleep 1
    menu Up Up Return
    wait_for 5 window_named Settings || fail "Settings... opened no dialog"
    sleep 0.5
}
gone() { ! window_named "$1" >/dev/null; }
press_ok() { # Return presses OK, the default button
    xdotool key Return
    wait_for 5 gone Settings || fail "OK left the dialog open"
    [ "$(opacity)" = $((178 * 0x01010101)) ] || fail "opacity property $(opacity)"
}
opacity() { xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $NF}'; }

# --- run 1: "30%" is three down the list after the scale box; then back to the tab bar, over to
# "Colours", and on to its fourth "..." button.
open_settings
xdotool key --delay 100 Tab Down Down Down shift+Tab shift+Tab Right Tab Tab Tab Tab space
wait_for 5 window_named "Select Color" || fail "the background button opened no colour picker"
sleep 0.5
xdotool key --delay 100 alt+h ctrl+a
xdotool type --delay 50 "#0000ff"
xdotool key Return
wait_for 5 gone "Select Color" || fail "the colour picker stayed open"
sleep 0.3
xdotool key Tab # on from the "..." button, where Return would open the picker again
press_ok        # 178 of 255: that share of 0xffffffff
sleep 2.2   # a tick or two: the newest columns are drawn after the change
read -r wx wy ww _ < <(geometry)
for x in $((wx + ww - 2)) $((wx + 2)); do
    [ "$(pixel "$x" "$((wy + 4))")" = "0 0 255" ] || fail "column at $x is not the blue background"
done
menu Up Return # "Exit"
ends_within 10 "Exit"
[ "$(setting Opacity) $(setting BackColour)" = "178 16711680" ] || fail "stored: $(cat "$config")"
[ ! -e "$entry" ] || fail "an autostart entry without the box ticked"

# --- run 2: the stored opacity comes back; tick "Start automatically when I log in"
open_settings
xdotool key --delay 100 Tab Tab space
press_ok
[ "$(grep '^Exec=' "$entry")" = "Exec=\"$(realpath "$tarnivel")\"" ] || fail "entry: $(cat "$entry")"
desktop-file-validate "$entry" || fail "the autostart entry is no valid desktop entry"
echo "PASS: settings"
