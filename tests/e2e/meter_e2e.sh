#!/usr/bin/env bash
# The real meter on its own Xvfb display.
#   meter_e2e.sh <tarnivel> bare|desktop
# bare:    no window manager: the rate shown matches the counters, moving and resizing follow
#          the mouse, "Exit" stores the settings and the size.
# desktop: openbox, trayer: the window manager's move and resize, "Float",
#          "Send To Tray" and back, and a transparency chosen in "Settings..." reaches the window.
set -euo pipefail
tarnivel=$1
scenario=$2
source "$(dirname "$0")/lib.sh"

start_xvfb
private_session RunBefore=1 MaxValue=9999999 Opacity=200
[ "$scenario" = bare ] || { start_openbox && start_trayer; }
start
wait_window Form1

# Drags with the left button from (x, y) by (dx, dy) in steps. A move by the graph starts at the
# first motion, one pixel: the window follows the remaining (dx - 1, dy - 1).
drag() {
    local x=$1 y=$2 dx=$3 dy=$4 step
    xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove "$((x + 1))" "$((y + 1))" sleep 0.2
    for step in 1 2 3 4 5; do
        xdotool mousemove "$((x + dx * step / 5))" "$((y + dy * step / 5))" sleep 0.1
    done
    xdotool mouseup 1 sleep 0.5
}

# Both drags as a person would: the graph moves the window by (40, 25), the label resizes it by
# (30, 20) and keeps its place.
move_and_resize() {
    read -r x0 y0 w0 h0 < <(geometry)
    drag "$((x0 + 60))" "$((y0 + 30))" 40 25
    read -r x1 y1 w1 h1 < <(geometry)
    [ "$((x1 - x0)) $((y1 - y0)) ${w1}x$h1" = "39 24 ${w0}x$h0" ] || fail "move: $x0,$y0 to $x1,$y1"
    drag "$((x1 + 60))" "$((y1 + h1 - 6))" 30 20
    read -r x2 y2 w2 h2 < <(geometry)
    [ "$x2,$y2 ${w2}x$h2" = "$x1,$y1 $((w1 + 30))x$((h1 + 20))" ] ||
        fail "resize: ${w1}x$h1 at $x1,$y1 to ${w2}x$h2 at $x2,$y2"
}

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

case $scenario in
bare)
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
    menu Up Return # "Exit"
    ends_within 10 "Exit"
    all_stored "Exit"
    [ "$(setting MaxValue) $(setting Opacity) $(setting Width)x$(setting Height)" = \
        "9999999 200 $((w2 * 15))x$((h2 * 15))" ] || fail "stored: $(cat "$config")"
    ;;
desktop)
    sleep 1.5
    move_and_resize # now by the window manager

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

    # "Settings..." (above "Exit"): the scale box has the focus, the next one down the
    # transparency list from 20% is 30%, and Return presses OK: 178 of 255 of 0xffffffff.
    menu Up Up Return
    wait_for 5 window_named Settings || fail "Settings... opened no dialog"
    xdotool sleep 0.5 key --delay 100 Tab Down Return
    wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" || fail "OK left the dialog"
    opacity=$(xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')
    [ "$opacity" = $((178 * 0x01010101)) ] || fail "opacity property $opacity after Settings..."
    ;;
esac
echo "PASS: $scenario"
