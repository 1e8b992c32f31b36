#!/usr/bin/env bash
# End-to-end test of the real meter on its own Xvfb display.
#   meter_e2e.sh <tarnivel> bare|desktop|close
# bare:    no window manager, no tray host: the rate shown matches the interface counters, the
#          window moves and resizes by following the mouse, "Exit" stores the settings.
# desktop: openbox and trayer: the window manager's own move, "Send To Tray" and a double click
#          on the tray icon, and SIGTERM storing the settings.
# close:   openbox: closing the window (wmctrl -c, Alt+F4) and SIGINT and SIGHUP each end the
#          program at once with every setting stored.
set -euo pipefail

meter_bin=$1
scenario=$2

source "$(dirname "$0")/lib.sh"

# --- a private X server, settings folder and home
start_xvfb
export HOME="$work" XDG_CONFIG_HOME="$work/config"
unset WAYLAND_DISPLAY SESSION_MANAGER
config="$work/config/Tarnivel/Tarnivel.conf"
mkdir -p "${config%/*}"
first_settings() {
    printf '[Settings]\nRunBefore=1\nMaxValue=10000000\nOpacity=200\n' >"$config"
}
first_settings

if [ "$scenario" != bare ]; then
    start_openbox
fi
if [ "$scenario" = desktop ]; then
    start_trayer
    # A compositing manager, so that the window's opacity shows in the screen's pixels.
    xcompmgr -c >"$work/xcompmgr.log" 2>&1 &
    pids+=($!)
fi

# --- start the meter; every tick logs its label
start_meter() {
    QT_LOGGING_RULES="tarnivel.tick.debug=true" QT_MESSAGE_PATTERN='%{message}' \
        "$meter_bin" >"$work/meter.log" 2>&1 &
    meter=$!
    pids+=("$meter")
    wait_for 15 xdotool search --onlyvisible --class tarnivel || fail "no meter window"
    window=$(xdotool search --onlyvisible --class tarnivel | head -n 1)
}
start_meter

# Drags with the left button from (x, y) by (dx, dy), in small steps like a hand would. A move
# by the graph starts at the first motion, which is one pixel: the window then follows the
# remaining (dx - 1, dy - 1). A resize by the label starts at the press.
drag() {
    local x=$1 y=$2 dx=$3 dy=$4 step
    xdotool mousemove "$x" "$y"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove "$((x + 1))" "$((y + 1))"
    sleep 0.2
    for step in 1 2 3 4 5; do
        xdotool mousemove "$((x + dx * step / 5))" "$((y + dy * step / 5))"
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.5
}

shown() { # the meter window (not the tray icon's, which has the same class) is on screen
    xwininfo -id "$window" | grep -q 'Map State: IsViewable'
}

setting() { # prints the stored text of one key
    sed -n "s/^$1=//p" "$config"
}

check_stored_settings() {
    local key
    for key in MaxValue DLColour ULColour BackColour OverlapColour Float Opacity Width Height; do
        grep -q "^$key=" "$config" || fail "$key was not stored"
    done
    [ "$(setting MaxValue)" = "1E+07" ] || fail "MaxValue stored as '$(setting MaxValue)'"
    [ "$(setting Opacity)" = 200 ] || fail "Opacity stored as '$(setting Opacity)'"
    [ "$(setting RunBefore)" = 1 ] || fail "RunBefore lost"
}

# Sums the received and the sent bytes of all interfaces, as the meter does, into RX and TX, and
# notes the moment in NOW. Bash builtins only: no process start between reading and timing.
counters() {
    local line fields
    RX=0 TX=0
    while read -r line; do
        [[ $line == *:* ]] || continue
        read -r -a fields <<<"${line##*:}"
        RX=$((RX + fields[0])) TX=$((TX + fields[8]))
    done </proc/net/dev
    NOW=$EPOCHREALTIME
}

pixel() { # prints the red value of the screen pixel at (x, y)
    import -window root -crop "1x1+$1+$2" txt:- | awk -F'[(,]' 'NR == 2 {print int($3 / 257)}'
}

if [ "$scenario" = bare ]; then
    # --- the rate: a steady 4 MB/s over loopback, compared with the counters over 4 s
    sleep 2
    # iperf3 paces a steady 32 Mbit/s (4 MB/s) over loopback, in blocks small enough that
    # every second carries the same amount.
    port=$((20000 + RANDOM % 20000))
    iperf3 --server --one-off --port "$port" >"$work/iperf-server.log" 2>&1 &
    pids+=($!)
    wait_for 5 bash -c "ss -ltn | grep -q ':$port '" || fail "iperf3 server did not start"
    iperf3 --client 127.0.0.1 --port "$port" --bitrate 32M --length 8K --time 9 >"$work/iperf.log" 2>&1 &
    sender=$!
    pids+=("$sender")
    sleep 2.5
    counters
    rx1=$RX tx1=$TX t1=$NOW
    lines1=$(wc -l <"$work/meter.log")
    sleep 4
    counters
    rx2=$RX tx2=$TX t2=$NOW
    lines2=$(wc -l <"$work/meter.log")
    wait "$sender" || fail "iperf3 failed: $(tail -n 3 "$work/iperf.log")"

    sed -n "$((lines1 + 2)),${lines2}p" "$work/meter.log" | grep '^DL: ' >"$work/ticks" || true
    [ "$(wc -l <"$work/ticks")" -ge 3 ] || fail "too few ticks while sending: $(cat "$work/ticks")"
    awk -v rx1="$rx1" -v rx2="$rx2" -v tx1="$tx1" -v tx2="$tx2" -v t1="$t1" -v t2="$t2" '
        { dl[NR] = $2 * 1024; ul[NR] = $4 * 1024 }
        function median(a, n,   i, j, t) {
            for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        END {
            n = NR; d = median(dl, n); u = median(ul, n)
            crx = (rx2 - rx1) / (t2 - t1); ctx = (tx2 - tx1) / (t2 - t1)
            printf "meter DL %.0f B/s UL %.0f B/s; counters in %.0f B/s out %.0f B/s\n", d, u, crx, ctx
            if (crx < 3000000) { print "FAIL: the sender did not reach its rate"; exit 1 }
            if (d < crx * 0.98 || d > crx * 1.02) { print "FAIL: DL off by more than 2%"; exit 1 }
            if (u < ctx * 0.98 || u > ctx * 1.02) { print "FAIL: UL off by more than 2%"; exit 1 }
        }' "$work/ticks"

    # --- moving by the graph and resizing by the label follow the mouse without a window manager
    read -r x0 y0 w0 h0 < <(geometry)
    drag "$((x0 + 60))" "$((y0 + 30))" 40 25
    read -r x1 y1 w1 h1 < <(geometry)
    [ "$((x1 - x0))" -eq 39 ] && [ "$((y1 - y0))" -eq 24 ] ||
        fail "move: from $x0,$y0 to $x1,$y1"
    [ "${w1}x${h1}" = "${w0}x${h0}" ] || fail "move changed the size"
    drag "$((x1 + 60))" "$((y1 + h1 - 6))" 30 20
    read -r x2 y2 w2 h2 < <(geometry)
    [ "$w2" -eq $((w1 + 30)) ] && [ "$h2" -eq $((h1 + 20)) ] && [ "$x2,$y2" = "$x1,$y1" ] ||
        fail "resize: from ${w1}x$h1 at $x1,$y1 to ${w2}x$h2 at $x2,$y2"

    # --- "Exit", the last item of the menu, stores the settings and ends the program
    menu Up Return
    wait_for 10 bash -c "! kill -0 $meter" || fail "Exit did not end the program"
    wait "$meter" || fail "the meter exited with an error"
    check_stored_settings
    [ "$(setting Width)" = $((w2 * 15)) ] && [ "$(setting Height)" = $((h2 * 15)) ] ||
        fail "stored size $(setting Width)x$(setting Height), expected $((w2 * 15))x$((h2 * 15))"
elif [ "$scenario" = close ]; then
    # Each way of closing, on a fresh meter that has ticked: gone within a second, all stored.
    for way in wmctrl alt-f4 SIGINT SIGHUP; do
        [ "$way" = wmctrl ] || { first_settings; start_meter; }
        wait_for 5 grep -q '^DL: ' "$work/meter.log" || fail "$way: the meter does not tick"
        case $way in
        wmctrl) wmctrl -i -c "$window" ;;
        alt-f4)
            xdotool windowactivate --sync "$window"
            xdotool key alt+F4
            ;;
        *) kill -s "${way#SIG}" "$meter" ;;
        esac
        wait_for 1 bash -c "! kill -0 $meter" || fail "$way: the program still runs"
        wait "$meter" || fail "$way: the meter exited with an error"
        check_stored_settings
        echo "$way: ended, settings stored"
    done
else
    # --- Opacity 200 of 255 lets the desktop show through the grey (128) graph
    sleep 1.5
    read -r x0 y0 _ _ < <(geometry)
    grey=$(pixel "$((x0 + 40))" "$((y0 + 20))")
    [ "$grey" -gt 60 ] && [ "$grey" -lt 120 ] || fail "opacity: graph pixel $grey, expected a blend"

    # --- the window manager's own move
    read -r x0 y0 w0 h0 < <(geometry)
    drag "$((x0 + 60))" "$((y0 + 30))" 50 35
    read -r x1 y1 _ _ < <(geometry)
    [ "$((x1 - x0))" -eq 49 ] && [ "$((y1 - y0))" -eq 34 ] || fail "move: from $x0,$y0 to $x1,$y1"

    # --- the window manager's own resize, from the label
    read -r x1 y1 w1 h1 < <(geometry)
    drag "$((x1 + 60))" "$((y1 + h1 - 6))" 30 20
    read -r x2 y2 w2 h2 < <(geometry)
    [ "$w2" -eq $((w1 + 30)) ] && [ "$h2" -eq $((h1 + 20)) ] && [ "$x2,$y2" = "$x1,$y1" ] ||
        fail "resize: from ${w1}x$h1 at $x1,$y1 to ${w2}x$h2 at $x2,$y2"

    # --- "Float" twice: off the top and back, in the same place and size
    above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
    above || fail "Float is set but the window is not on top"
    read -r gx gy gw gh < <(geometry)
    menu Down Return
    wait_for 5 bash -c "! xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
        fail "Float off left the window on top"
    menu Down Return
    wait_for 5 above || fail "Float on did not put the window on top"
    [ "$(geometry)" = "$gx $gy $gw $gh" ] || fail "Float moved the window: $(geometry)"
    shown || fail "Float hid the window"

    # --- "Send To Tray" hides the window behind a tray icon; a double click brings it back
    read -r tx ty tw th < <(geometry)
    menu Down Down Return
    wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" ||
        fail "Send To Tray left the window visible"
    panel=$(xdotool search --classname panel | head -n 1)
    icon=$(xwininfo -children -id "$panel" | awk '/^ +0x/{print $1; exit}')
    [ -n "$icon" ] || fail "no tray icon in the tray host"
    wait_for 5 xwininfo -id "$icon" || fail "tray icon vanished"
    read -r ix iy < <(xwininfo -id "$icon" |
        awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x + 8, y + 8}')
    xdotool mousemove "$ix" "$iy"
    sleep 0.3
    xdotool click 1
    sleep 1
    # Only the tray icon's own window (of the same class) may be on screen now.
    [ "$(xdotool search --onlyvisible --classname tarnivel | wc -l)" -eq 1 ] ||
        fail "a single click restored the window"
    xdotool click --repeat 2 --delay 80 1
    wait_for 5 bash -c "! xwininfo -id $icon" || fail "double click left the tray icon"
    # After a change of stacking, Qt gives the window a new native window when it shows it
    # again: look it up anew. It must come back where it was.
    wait_for 5 xdotool search --onlyvisible --classname tarnivel || fail "double click did not restore"
    window=$(xdotool search --onlyvisible --classname tarnivel | head -n 1)
    [ "$(geometry)" = "$tx $ty $tw $th" ] || fail "restored at $(geometry), not at $tx $ty $tw $th"
    above || fail "restored without Float"

    # --- the end of the session (SIGTERM) stores the settings like "Exit"
    kill -TERM "$meter"
    wait_for 10 bash -c "! kill -0 $meter" || fail "SIGTERM did not end the program"
    wait "$meter" || fail "the meter exited with an error after SIGTERM"
    check_stored_settings
fi
echo "PASS: $scenario"
