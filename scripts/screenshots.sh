#!/usr/bin/env bash
# Takes every picture the README shows, from the real program on a private Xvfb display with
# openbox and a tray host, and writes them as PNG files into the output folder. Rerun it after a
# visual change and commit the pictures:
#   scripts/screenshots.sh build/dev/tarnivel docs/screenshots
# The meter is shown after LOAD_SECONDS (default 135, enough to fill the graph) of made-up
# traffic. Where the system lets this script have a network namespace of its own (an
# unprivileged user namespace), the traffic goes over a virtual cable to a second namespace, so
# downloads and uploads differ and the graph shows all its colours; elsewhere it goes over
# loopback, where both directions are always equal.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <tarnivel binary> <output folder>" >&2
    exit 2
fi
meter_bin=$(realpath "$1")
out=$(realpath -m "$2")
load_seconds=${LOAD_SECONDS:-135}

# Once: into a private network namespace, where "root" may wire virtual interfaces.
if [ -z "${TARNIVEL_SHOTS_NETNS:-}" ] && unshare --user --map-root-user --net true 2>/dev/null; then
    TARNIVEL_SHOTS_NETNS=1 exec unshare --user --map-root-user --net bash "$0" "$meter_bin" "$out"
fi

mkdir -p "$out"
source "$(dirname "$0")/../tests/e2e/lib.sh"

# --- the traffic's far end: a second namespace behind a virtual cable, or loopback
in_peer=()
peer_address=127.0.0.1
if [ -n "${TARNIVEL_SHOTS_NETNS:-}" ]; then
    ip link set lo up
    unshare --net sleep infinity &
    peer=$!
    pids+=("$peer")
    own_namespace() { [ "$(readlink /proc/"$peer"/ns/net)" != "$(readlink /proc/$$/ns/net)" ]; }
    wait_for 5 own_namespace || fail "no second network namespace"
    in_peer=(nsenter --target "$peer" --net)
    ip link add tarnivel0 type veth peer name tarnivel1 netns "$peer"
    ip addr add 10.77.0.1/24 dev tarnivel0
    ip link set tarnivel0 up
    "${in_peer[@]}" ip addr add 10.77.0.2/24 dev tarnivel1
    "${in_peer[@]}" ip link set tarnivel1 up
    peer_address=10.77.0.2
    echo "traffic: over a virtual cable (downloads and uploads differ)"
else
    echo "traffic: over loopback (no private network namespace here; both directions equal)"
fi
port=$((20000 + RANDOM % 20000))
for p in "$port" "$((port + 1))"; do
    "${in_peer[@]}" iperf3 --server --bind "$peer_address" --port "$p" >>"$work/traffic.log" 2>&1 &
    pids+=($!)
done

# --- a private X server with openbox and a tray host; own home, settings and runtime folders
start_xvfb 800x600
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY SESSION_MANAGER QT_QPA_PLATFORM QT_SCALE_FACTOR
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/config/Tarnivel"
# A scale of about 1 MB/s, which the made-up traffic below fills to between a tenth and nine.
printf '[Settings]\nRunBefore=1\nMaxValue=1000000\n' >"$work/config/Tarnivel/Tarnivel.conf"

start_openbox
start_trayer 32

# Writes the window (with the frame the window manager gave it) as a small PNG.
shoot() { # shoot <window> <name> [ImageMagick operators]
    local window=$1 name=$2
    shift 2
    sleep 0.5
    import -frame -window "$window" "$@" -strip -define png:compression-level=9 "$out/$name.png"
    echo "  $name.png $(identify -format '%wx%h' "$out/$name.png")"
}

# Writes the part of the screen that the given windows cover, transparent elsewhere.
shoot_windows() { # shoot_windows <name> <window>...
    local name=$1 window x y w h left=99999 top=99999 right=0 bottom=0 boxes=()
    shift
    sleep 0.5
    for window in "$@"; do
        read -r x y w h < <(geometry "$window")
        boxes+=("$x $y $w $h")
        left=$((x < left ? x : left)) top=$((y < top ? y : top))
        right=$((x + w > right ? x + w : right)) bottom=$((y + h > bottom ? y + h : bottom))
    done
    local mask=(-size "$((right - left))x$((bottom - top))" xc:black -fill white)
    for box in "${boxes[@]}"; do
        read -r x y w h <<<"$box"
        mask+=(-draw "rectangle $((x - left)),$((y - top)) $((x - left + w - 1)),$((y - top + h - 1))")
    done
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage png:- |
        convert png:- \( "${mask[@]}" \) -alpha off -compose CopyOpacity -composite \
            -strip -define png:compression-level=9 "$out/$name.png"
    echo "  $name.png $((right - left))x$((bottom - top))"
}

# --- the meter, and traffic that changes every three seconds: mostly downloads, now and then
# an upload larger than the download. The same made-up pattern on every run.
"$meter_bin" >"$work/meter.log" 2>&1 &
meter=$!
pids+=("$meter")
wait_for 15 window_named Form1 || fail "no meter window"
window=$(window_named Form1)
xdotool windowmove --sync "$window" 24 24
traffic() {
    local down up
    RANDOM=10
    while true; do
        down=$((100 + RANDOM % 800)) up=$((20 + RANDOM % 200))
        [ $((RANDOM % 5)) -ne 0 ] || up=$((down + 100))
        [ $((RANDOM % 7)) -ne 0 ] || down=$((RANDOM % 60))
        # kilobytes per second, and iperf3 counts kilobits
        iperf3 --client "$peer_address" --port "$port" --reverse --bitrate "$((down * 8))K" \
            --length 8K --time 3 >/dev/null 2>&1 &
        iperf3 --client "$peer_address" --port "$((port + 1))" --bitrate "$((up * 8))K" \
            --length 8K --time 3 >/dev/null 2>&1 || true
        wait || true
    done
}
traffic >>"$work/traffic.log" 2>&1 &
pids+=($!)
loaded_at=$((SECONDS + load_seconds))

# --- the first-run wizard, in a settings folder of its own, while the graph fills
XDG_CONFIG_HOME="$work/wizard-config" XDG_RUNTIME_DIR="$work/wizard-runtime" \
    "$meter_bin" >"$work/wizard.log" 2>&1 &
wizard_program=$!
pids+=("$wizard_program")
wait_for 15 window_named 'Welcome\.\.\.' || fail "no wizard"
wizard=$(window_named 'Welcome\.\.\.')
xdotool windowmove --sync "$wizard" 240 40
click_at() { # click_at <window> <x> <y>, within the window
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.2
    xdotool click 1
    sleep 0.4
}
echo "wizard"
click_at "$wizard" 18 203 # "I agree"
xdotool mousemove 0 599
shoot "$wizard" wizard-1
click_at "$wizard" 278 268 # "Next >>"
xdotool mousemove 0 599
shoot "$wizard" wizard-2
click_at "$wizard" 278 268
xdotool mousemove 0 599
shoot "$wizard" wizard-3
kill "$wizard_program" # the wizard ends without storing anything
wait_for 5 bash -c "! kill -0 $wizard_program" || fail "the wizard did not end"

# Opens the meter's context menu over its graph; prints the menu's window.
open_menu() {
    local before wx wy
    before=$(xdotool search --onlyvisible --class tarnivel | sort)
    read -r wx wy _ _ < <(geometry "$window")
    xdotool mousemove "$((wx + 30))" "$((wy + 20))"
    sleep 0.2
    xdotool click 3
    wait_for 5 bash -c "[ \"\$(xdotool search --onlyvisible --class tarnivel | sort)\" != '$before' ]" ||
        fail "no context menu"
    comm -13 <(echo "$before") <(xdotool search --onlyvisible --class tarnivel | sort) | head -n 1
}

# --- the settings dialog, one shot per page
echo "settings"
open_menu >/dev/null
xdotool key --delay 100 Up Up Return # "Settings...", above "Exit"
wait_for 5 window_named Settings || fail "Settings... opened no dialog"
dialog=$(window_named Settings)
xdotool windowmove --sync "$dialog" 240 40
for page in options colours statistics about; do
    [ "$page" = options ] || xdotool key ctrl+Tab
    sleep 1.2 # the statistics page fills on the next tick
    shoot "$dialog" "settings-$page"
done
xdotool key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" || fail "the dialog stayed"

# --- the meter under load, its menu, and its icon in the tray
while [ "$SECONDS" -lt "$loaded_at" ]; do
    sleep 1
done
echo "meter"
xdotool mousemove 0 599
shoot "$window" meter
shoot_windows menu "$window" "$(open_menu)"
xdotool key --delay 100 Down Down Return # "Send To Tray"
wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "Send To Tray left the window"
sleep 1.5 # a tick paints the level picture
# The tray host's panel, enlarged three times: its icon is 16 pixels wide.
shoot "$(xdotool search --classname panel | head -n 1)" tray -filter point -resize 300%

kill "$meter"
wait "$meter" || fail "the meter exited with an error"
echo "done: $(find "$out" -name '*.png' | wc -l) pictures in $out"
