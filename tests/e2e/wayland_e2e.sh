#!/usr/bin/env bash
# End-to-end test of the real meter in a Wayland session: a headless weston compositor with its
# own runtime folder, once with XWayland (the meter then runs as an X11 client) and once
# without (the meter runs as a native Wayland client). The meter starts, ticks, and stores its
# settings when the session ends it with SIGTERM.
#   wayland_e2e.sh <tarnivel> xwayland|native
set -euo pipefail

meter_bin=$1
scenario=$2

source "$(dirname "$0")/lib.sh"

# --- a private session: runtime folder, home, settings of a finished wizard
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
config="$work/config/Tarnivel/Tarnivel.conf"
mkdir -p "${config%/*}"
printf '[Settings]\nRunBefore=1\nMaxValue=10000000\nOpacity=200\n' >"$config"

options=()
if [ "$scenario" = xwayland ]; then
    options+=(--xwayland)
    # XWayland puts its socket here, as an X server started at boot would.
    [ -d /tmp/.X11-unix ] || { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; } ||
        fail "cannot create /tmp/.X11-unix for XWayland"
fi
weston --backend=headless-backend.so --socket=tarnivel-e2e --idle-time=0 "${options[@]}" \
    >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/tarnivel-e2e" || fail "weston did not start"
export WAYLAND_DISPLAY=tarnivel-e2e XDG_SESSION_TYPE=wayland
if [ "$scenario" = xwayland ]; then
    wait_for 10 grep -q 'xserver listening on display' "$work/weston.log" || fail "no XWayland"
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    export DISPLAY
fi

# --- start the meter; every tick logs its label
QT_LOGGING_RULES="tarnivel.tick.debug=true" QT_MESSAGE_PATTERN='%{message}' \
    "$meter_bin" >"$work/meter.log" 2>&1 &
meter=$!
pids+=("$meter")
ticks() { grep -c '^DL: ' "$work/meter.log" || true; }
ticked() { [ "$(ticks)" -ge 3 ]; }
wait_for 15 ticked || fail "the meter did not tick ($(ticks) ticks)"

if [ "$scenario" = xwayland ]; then
    # The meter chose the X11 platform by itself: its window is an X window, with the opacity
    # asked of the compositor (200 of 255). Weston's own X window manager keeps neither the
    # "above" state nor positions the client asks for, so those are not checked here.
    wait_for 10 xdotool search --onlyvisible --class tarnivel || fail "no meter window on XWayland"
    window=$(xdotool search --onlyvisible --class tarnivel | head -n 1)
    xprop -id "$window" _NET_WM_WINDOW_OPACITY | grep -q '= 3368601800$' ||
        fail "opacity not asked for: $(xprop -id "$window" _NET_WM_WINDOW_OPACITY)"
else
    # No X server at all: only the Wayland platform can have shown it.
    grep -q 'could not connect to display' "$work/meter.log" && fail "the meter tried X11"
fi
kill -0 "$meter" || fail "the meter ended early"

# --- the end of the session stores the settings
kill -TERM "$meter"
wait_for 10 bash -c "! kill -0 $meter" || fail "SIGTERM did not end the program"
wait "$meter" || fail "the meter exited with an error after SIGTERM"
for key in MaxValue DLColour ULColour BackColour OverlapColour Float Opacity Width Height; do
    grep -q "^$key=" "$config" || fail "$key was not stored"
done
grep -qx 'Opacity=200' "$config" || fail "Opacity stored as $(grep '^Opacity=' "$config")"
grep -qx 'RunBefore=1' "$config" || fail "RunBefore lost"
echo "PASS: $scenario ($(ticks) ticks)"
