#!/usr/bin/env bash
# The real meter on a bare Xvfb display (no window manager): the rate shown matches the counters,
# moving and resizing follow the mouse, every change is in the settings file at once, so that
# it survives the death of the X server, and "Exit" stores the settings and the size. (On a
# desktop, with a window manager and a tray: the life test, wizard_e2e.sh.)
#   meter_e2e.sh <tarnivel>
set -euo pipefail
tarnivel=$1

# Other programs' traffic must not move the figures: the test runs in a network namespace of
# its own, with a fresh loopback as its only interface.
if [ -z "${TARNIVEL_E2E_NETNS:-}" ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(--map-root-user)
    TARNIVEL_E2E_NETNS=1 exec unshare --net "${as_root[@]}" bash "$0" "$@"
fi
ip link set lo up
source "$(dirname "$0")/lib.sh"

start_xvfb
xvfb=${pids[-1]}
private_session RunBefore=1 MaxValue=9999999 Opacity=200
start
wait_window Form1

# Sums the received bytes of all interfaces into RX, as the meter does, and the moment into NOW;
# builtins only, so no process start lies between reading and timing.
received() {
    local line fields
    RX=0
    while read -r line; do
        [[ $line == *:* ]] || continue
        read -r -a fields <<<"${line##*:}"
        RX=$((RX + fields[0]))
    done </proc/net/dev
    NOW=$EPOCHREALTIME
}

# A steady 4 MB/s over loopback (in and out alike) in small blocks; the median tick compared
# with the counters over 4 s.
sleep 2
port=$((20000 + RANDOM % 20000))
iperf3 --server --one-off --port "$port" >"$work/iperf-server.log" 2>&1 &
pids+=($!)
wait_for 5 bash -c "ss -ltn | grep -q ':$port '" || fail "iperf3 server did not start"
iperf3 --client 127.0.0.1 --port "$port" --bitrate 32M --length 8K --time 9 >"$work/iperf.log" 2>&1 &
sender=$!
pids+=("$sender")
sleep 2.5
received
rx1=$RX t1=$NOW lines1=$(wc -l <"$work/tarnivel.log")
sleep 4
received
lines2=$(wc -l <"$work/tarnivel.log")
wait "$sender" || fail "iperf3 failed: $(tail -n 3 "$work/iperf.log")"
sed -n "$((lines1 + 2)),${lines2}p" "$work/tarnivel.log" | awk '/^DL: /{print $2 * 1024}' |
    sort -g >"$work/ticks"
n=$(wc -l <"$work/ticks")
[ "$n" -ge 3 ] || fail "too few ticks while sending: $(cat "$work/ticks")"
awk -v d="$(sed -n "$(((n + 1) / 2))p" "$work/ticks")" -v rx="$((RX - rx1))" -v t1="$t1" \
    -v t2="$NOW" 'BEGIN { r = rx / (t2 - t1); printf "meter %.0f B/s, counters %.0f B/s\n", d, r
    if (r < 3000000 || d < r * 0.98 || d > r * 1.02) { print "FAIL: too slow or off by 2%"; exit 1 } }'

move_and_resize
menu Down Return # "Float" off
menu Up Up Return # "Settings...": from 20% transparency to 40%, OK
meter=$window
wait_window Settings
xdotool windowfocus --sync "$window" key --delay 100 Tab Down Down Return # no window manager
window=$meter
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" || fail "OK left the dialog"
kill "$xvfb"
wait_for 10 bash -c "! kill -0 $program" || fail "the meter outlived its X server"
stored_now="$(setting Float) $(setting Opacity) $(setting Width)x$(setting Height)"
[ "$stored_now" = "0 153 $((w2 * 15))x$((h2 * 15))" ] || fail "stored at the X server's end: $stored_now"

start_xvfb
start
wait_window Form1
[ "$(geometry | cut -d' ' -f3-)" = "$w2 $h2" ] || fail "the next start is $(geometry) in size"
menu Up Return # "Exit"
ends_within 10 "Exit"
all_stored "Exit"
[ "$(setting MaxValue) $(setting Opacity) $(setting Width)x$(setting Height)" = \
    "9999999 153 $((w2 * 15))x$((h2 * 15))" ] || fail "stored: $(cat "$config")"
echo "PASS"
