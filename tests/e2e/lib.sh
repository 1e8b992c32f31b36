# Shared set-up of the end-to-end scripts; source it after `set -euo pipefail`.
# It makes a scratch folder $work, ends every process listed in $pids when the script ends,
# and on failure prints the end of the logs in $work.

work=$(mktemp -d)
pids=()

e2e_cleanup() {
    local status=$? pid
    kill "${pids[@]}" 2>/dev/null || true
    kill -CONT "${pids[@]}" 2>/dev/null || true # a stopped one takes its signal only now
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ "$status" -eq 0 ] || grep -v '^DL: ' "$work"/*.log 2>/dev/null | tail -n 40 || true
    rm -rf "$work"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" && exit 1; }

# Waits up to $1 whole seconds for the command after it to succeed.
wait_for() {
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $((tries -= 1)) -gt 0 ] || return 1
        sleep 0.1
    done
}

# A private X server on a free display, 1024 x 768 unless given another size; sets DISPLAY.
start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    exec 3>&-
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

# A home, settings and runtime folder of the test's own. $config is the settings file; with
# arguments, it is written with those lines under [Settings].
private_session() {
    export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY SESSION_MANAGER QT_SCALE_FACTOR QT_QPA_PLATFORM
    config="$work/config/Tarnivel/Tarnivel.conf"
    mkdir -p "${config%/*}"
    [ $# -eq 0 ] || printf '%s\n' '[Settings]' "$@" >"$config"
}

# Starts $tarnivel with the given arguments in the background, every tick logging its label to
# $work/tarnivel.log; its process id in $program.
start() {
    QT_LOGGING_RULES="tarnivel.tick.debug=true" QT_MESSAGE_PATTERN='%{message}' \
        "$tarnivel" "$@" >"$work/tarnivel.log" 2>&1 &
    program=$!
    pids+=("$program")
}

# The first window on screen with exactly this title (a regular expression).
window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }

# Waits up to 15 s for such a window; its id in $window.
wait_window() {
    wait_for 15 window_named "$1" || fail "no window '$1'"
    window=$(window_named "$1")
}

# The program ends within $1 seconds, with status 0; $2 says after what.
ends_within() {
    wait_for "$1" bash -c "! kill -0 $program" || fail "the program still runs $1 s after $2"
    wait "$program" || fail "the program exited with an error after $2"
}

# The stored settings as Key=value lines (the Windows test reads them from the registry).
stored() { cat "$config"; }
setting() { stored | sed -n "s/^$1=//p"; }

# Every key the meter stores is stored; $1 says after what.
all_stored() {
    local key
    for key in RunBefore MaxValue {DL,UL,Back,Overlap}Colour Float Opacity Width Height; do
        stored | grep -q "^$key=" || fail "$key was not stored after $1"
    done
}

start_openbox() {
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 10 xdotool search --class Openbox || fail "openbox did not start"
}

# A tray host at the bottom right, 100 pixels wide unless given another width; it must own the
# tray before the meter asks for one.
start_trayer() {
    trayer --edge bottom --align right --widthtype pixel --width "${1:-100}" --height 24 \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 10 xdotool search --classname panel || fail "trayer did not start"
}

geometry() { # prints "x y width height" of window $1 (default: the meter window $window)
    xdotool getwindowgeometry --shell "${1:-$window}" |
        awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

# Opens the context menu on the graph of the meter window $window and presses the given keys.
menu() {
    read -r wx wy _ _ < <(geometry)
    xdotool mousemove "$((wx + 40))" "$((wy + 20))" sleep 0.2 click 3 sleep 0.5 key --delay 100 "$@"
    sleep 0.5
}

# Drags with the left button from (x, y) by (dx, dy) in three steps. A move by the graph starts
# at the first motion, one pixel: the window follows the remaining (dx - 1, dy - 1).
drag() {
    local x=$1 y=$2 dx=$3 dy=$4
    xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2 mousemove "$((x + 1))" "$((y + 1))" \
        sleep 0.2 mousemove "$((x + dx / 2))" "$((y + dy / 2))" sleep 0.1 \
        mousemove "$((x + dx))" "$((y + dy))" sleep 0.2 mouseup 1 sleep 0.5
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
