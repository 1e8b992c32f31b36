#!/usr/bin/env bash
# End-to-end test of one meter per user session and display, under Xvfb with openbox and a tray.
#   instance_e2e.sh <tarnivel>
# A second start brings the running meter forward (out of the tray too), ends with status 0 and
# stores nothing; a start after the first was killed (kill -9) runs; a start with another
# runtime folder (another user) runs beside it; during the first-run wizard a second start
# brings the wizard forward.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

tarnivel_bin=$1

start_xvfb
private_session RunBefore=1 MaxValue=100000
start_openbox
start_trayer

start() { # starts the program in the background; its id in $program
    "$tarnivel_bin" >>"$work/tarnivel.log" 2>&1 &
    program=$!
    pids+=("$program")
}
shown() { # the id of the program's first window on screen with this exact title
    xdotool search --onlyvisible --name "^$1\$" | head -n 1
}
second_start_ends() { # a second start ends at once with status 0, storing nothing
    local before status=0
    before=$(md5sum <"$config")
    timeout 10 "$tarnivel_bin" >>"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
    [ "$(md5sum <"$config")" = "$before" ] || fail "the second start changed the settings"
}

# --- a second start brings the meter out of the tray
start
first=$program
wait_for 15 shown Form1 || fail "no meter window"
meter=$(shown Form1)
xdotool mousemove --window "$meter" 40 20 click 3
sleep 0.5
xdotool key Down Down Return # "Send To Tray"
wait_for 5 bash -c "! xwininfo -id $meter | grep -q IsViewable" || fail "Send To Tray failed"
second_start_ends
wait_for 5 shown Form1 || fail "the second start did not bring the meter out of the tray"
kill -0 "$first" || fail "the first meter ended"
[ "$(xdotool search --onlyvisible --name '^Form1$' | wc -l)" -eq 1 ] || fail "two meters show"

# --- a meter killed outright leaves nothing that blocks the next start
kill -KILL "$first"
wait "$first" 2>/dev/null || true
start
wait_for 15 shown Form1 || fail "no meter after the first was killed"
sleep 1
kill -0 "$program" || fail "the start after a kill ended"

# --- another user (another runtime folder) has a meter of his own
XDG_RUNTIME_DIR="$work/other-runtime" XDG_CONFIG_HOME="$work/other-config" \
    bash -c 'mkdir -m 700 "$XDG_RUNTIME_DIR" && exec "$0"' "$tarnivel_bin" >>"$work/other.log" 2>&1 &
other=$!
pids+=("$other")
wait_for 15 bash -c "[ \$(xdotool search --onlyvisible --name '^Welcome...\$' | wc -l) -eq 1 ]" ||
    fail "the other user's program shows no wizard"
kill -0 "$program" || fail "the first user's meter ended"
kill -TERM "$other" "$program"
wait "$other" "$program" || fail "a meter ended with an error on SIGTERM"

# --- during the first-run wizard, a second start brings the wizard forward and stores nothing
rm -f "$config"
start
wait_for 15 shown 'Welcome...' || fail "no wizard on a first run"
wizard=$(shown 'Welcome...')
xdotool windowminimize --sync "$wizard"
second_start_ends() { # the wizard stores nothing, so there is no settings file to compare
    local status=0
    timeout 10 "$tarnivel_bin" >>"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
    [ ! -e "$config" ] || fail "the second start stored settings"
}
second_start_ends
wait_for 5 shown 'Welcome...' || fail "the second start did not bring the wizard forward"
[ "$(xdotool search --onlyvisible --name '^Welcome...$' | wc -l)" -eq 1 ] || fail "two wizards"
kill -TERM "$program"
wait "$program" || fail "the wizard ended with an error on SIGTERM"
echo "PASS: instance"
