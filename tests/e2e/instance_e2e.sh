#!/usr/bin/env bash
# One meter per user session and display, under Xvfb with openbox and a tray.
#   instance_e2e.sh <tarnivel>
# A second start brings the running meter forward (out of the tray too), or the first-run
# wizard, ends with status 0 and stores nothing; a start after kill -9 of the first runs; a
# start with another runtime folder (another user) runs beside it.
set -euo pipefail
tarnivel=$1
source "$(dirname "$0")/lib.sh"

start_xvfb
private_session RunBefore=1 MaxValue=100000
start_openbox
start_trayer

second_start_brings() { # a second start ends at once with status 0, storing nothing
    local before status=0
    before=$(cat "$config" 2>/dev/null || echo none)
    timeout 10 "$tarnivel" >>"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
    [ "$(cat "$config" 2>/dev/null || echo none)" = "$before" ] || fail "the second start stored"
    wait_for 5 window_named "$1" || fail "the second start did not bring '$1' forward"
    [ "$(xdotool search --onlyvisible --name "^$1\$" | wc -l)" -eq 1 ] || fail "two '$1' show"
    kill -0 "$program" || fail "the first program ended"
}

start
wait_window Form1
menu Down Down Return # "Send To Tray"
wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "Send To Tray failed"
second_start_brings Form1

# --- a meter killed outright leaves nothing that blocks the next start
kill -KILL "$program"
wait "$program" 2>/dev/null || true
start
wait_window Form1
sleep 1
kill -0 "$program" || fail "the start after a kill ended"

# --- another user (another runtime folder) has a program of his own: the wizard
XDG_RUNTIME_DIR="$work/other-runtime" XDG_CONFIG_HOME="$work/other-config" \
    bash -c 'mkdir -m 700 "$XDG_RUNTIME_DIR" && exec "$0"' "$tarnivel" >"$work/other.log" 2>&1 &
pids+=($!)
wait_window 'Welcome...'
kill -0 "$program" || fail "the first user's meter ended"
kill -TERM "$program"
ends_within 10 "SIGTERM"
kill -TERM "${pids[-1]}"
wait "${pids[-1]}" || fail "the other user's program ended with an error on SIGTERM"

# --- a second start during the first-run wizard brings it forward
rm -f "$config"
start
wait_window 'Welcome...'
xdotool windowminimize --sync "$window"
second_start_brings 'Welcome...'
echo "PASS: instance"
