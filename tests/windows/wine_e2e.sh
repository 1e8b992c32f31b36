#!/usr/bin/env bash
# The Windows program end-to-end under Wine, on Xvfb with openbox and a tray, in a Wine prefix
# of its own (so with an empty registry):
#   wine_e2e.sh <Tarnivel.exe>
# The wizard is finished with the keys alone and the meter follows; the meter ticks under
# loopback traffic; the settings dialog's box writes and removes the Run value; "Send To Tray"
# hides the meter and a second start brings it back and ends with status 0; the settings are in
# HKCU\Software\Tarnivel\Settings after "Exit" and after the end of the session.
set -euo pipefail
exe=$1
source "$(dirname "$0")/../e2e/lib.sh"
echo "end-to-end under Wine: $exe"

export HOME="$work" WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's processes end first; lib.sh's clean-up then sees the script's status ($?) again.
trap 'status=$?; set +e; wineserver -k >/dev/null 2>&1; (exit $status); e2e_cleanup' EXIT
start_xvfb
start_openbox
start_trayer
mkdir "$WINEPREFIX"
wineboot --init </dev/null >/dev/null 2>&1

tarnivel=on_wine # lib.sh's start runs it
on_wine() { wine "$exe" "$@"; }
registry() { wine reg query "$1" 2>/dev/null | tr -d '\r'; }
settings='HKCU\Software\Tarnivel\Settings'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
stored() { registry "$settings" | awk '$2 == "REG_SZ" { print $1 "=" $3 }'; }
shown() { xwininfo -id "$window" | grep -q IsViewable; }
# The context menu on the meter's graph, once Wine shows it (a window named after the program),
# and the given keys.
menu() {
    read -r wx wy _ _ < <(geometry)
    xdotool mousemove "$((wx + 40))" "$((wy + 20))" sleep 0.2 click 3
    wait_for 5 window_named Tarnivel || fail "no context menu"
    xdotool key --delay 100 "$@"
    sleep 0.5
}

# --- 1. no settings: the wizard, finished with the keyboard ("I agree", Next, Next, Finish with
# "Don't know" and its note); then the meter
start
wait_window 'Welcome\.\.\.'
sleep 1
xdotool windowactivate "$window" 2>/dev/null || true # Wine sets no _NET_ACTIVE_WINDOW: no --sync
sleep 0.5
xdotool key --delay 300 Up Return Return Return
wait_for 10 window_named Tarnivel || fail "no note on \"Don't know\""
xdotool key Return
wait_window Form1
[ "$(setting MaxValue)" = 7200 ] || fail "Finish stored: $(stored)"

# --- 2. the meter's window changes from tick to tick under loopback traffic
port=$((20000 + RANDOM % 10000))
iperf3 --server --one-off --port "$port" >"$work/iperf-server.log" 2>&1 &
pids+=($!)
wait_for 5 bash -c "ss -ltn | grep -q ':$port '" || fail "iperf3 server did not start"
iperf3 --client 127.0.0.1 --port "$port" --bitrate 8M --time 8 >"$work/iperf.log" 2>&1 &
pids+=($!)
sleep 3
import -window "$window" "$work/tick1.png"
sleep 2
import -window "$window" "$work/tick2.png"
! cmp -s "$work/tick1.png" "$work/tick2.png" || fail "the meter did not change under traffic"

# --- 3. the settings dialog's box writes the Run value and removes it
autostart() {
    menu Up Up Return
    wait_for 5 window_named Settings || fail "Settings... opened no dialog"
    sleep 0.5
    xdotool key --delay 100 Tab Tab space Return
    wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" || fail "OK left it open"
}
autostart
registry "$run_key" | grep -qi 'Tarnivel *REG_SZ *"[A-Z]:\\.*\\Tarnivel\.exe"$' ||
    fail "no Run value: $(registry "$run_key")"
autostart
! registry "$run_key" | grep -q Tarnivel || fail "the Run value stayed: $(registry "$run_key")"

# --- 4. "Send To Tray" hides the meter; a double click on its icon (Wine docks it in trayer, at
# the right end of the 1024 x 768 screen) brings it back
tray() {
    menu Down Down Return
    wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "Send To Tray failed"
}
tray
xdotool mousemove 1013 756 click 1
sleep 1
! shown || fail "a single click on the tray icon brought the meter back"
xdotool click --repeat 2 --delay 80 1
wait_for 5 shown || fail "a double click on the tray icon did not bring the meter back"

# --- 5. a second start brings the first forward (out of the tray too) and ends with status 0
tray
timeout 30 wine "$exe" >"$work/second.log" 2>&1 || fail "the second start ended with status $?"
wait_for 5 shown || fail "the second start did not bring the meter forward"

# --- 6. "Exit" stores the settings in the registry
menu Up Return
ends_within 10 "Exit"
all_stored "Exit"

# --- 7. the end of the session stores them too, before the program is ended
start
wait_window Form1
wine reg delete "$settings" /f >/dev/null 2>&1
wineboot --end-session </dev/null >/dev/null 2>&1
wait_for 10 bash -c "! kill -0 $program" || fail "the meter outlived the session"
[ -n "$(setting Width)" ] || fail "nothing stored at the session's end: $(stored)"
echo "PASS: end-to-end under Wine"
