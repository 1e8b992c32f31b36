#!/usr/bin/env bash
# The Windows packages end to end under Wine, on Xvfb with openbox and a tray, in a Wine prefix
# of its own (so with an empty registry):
#   wine_installer.sh <Tarnivel-VERSION-win64.msi> <Tarnivel-VERSION-win64.zip>
# The zip's program starts with the wizard from a folder with a blank and a non-ASCII letter in
# its path. The installer, run silently, puts the program, its guide, a Start menu entry and an
# entry among the installed programs in place. The installed program finishes the wizard with
# the keys alone and ticks under loopback traffic. A package of the same version from another
# build replaces it while it runs: the meter ends and stores its settings. The settings dialog's
# box writes a Run value that starts it; "Send To Tray" hides the meter, and a second start and a
# double click on the icon bring it back. The same package installed again ends the running
# meter, which stores its settings, as the end of the session does. The uninstall ends the meter
# and takes away what the installer put in place and the Run value; the settings stay.
set -euo pipefail
msi=$(realpath "$1")
zip=$(realpath "$2")
source "$(dirname "$0")/../e2e/lib.sh"

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
registry() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
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
# The key of the entry among the installed programs (Windows keeps a per-user product's under
# HKCU, Wine under HKLM).
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'
installed() { { registry "HKCU\\$uninstall" /s; registry "HKLM\\$uninstall" /s; } |
    awk '/^HKEY/ { key = $0 } /DisplayName +REG_SZ +Tarnivel$/ { print key }'; }
# A start after the last meter's windows are gone (xdotool stumbles on windows that go while it
# searches).
restart() { sleep 1 && start && wait_window Form1 && sleep 1; }
installer() { wine msiexec "$@" /qn </dev/null >/dev/null 2>&1 || fail "msiexec $1: status $?"; }
# Deletes the meter's stored width, has $1 end the meter and finds it stored again.
stores_on() {
    wine reg delete "$settings" /v Width /f >/dev/null 2>&1 || true
    "${@:2}" </dev/null >/dev/null 2>&1 && ends_within 10 "$1"
    [ -n "$(setting Width)" ] || fail "nothing stored on $1: $(stored)"
}

# --- 1. the zip's program, unpacked into a folder with a blank and a non-ASCII letter in its
# path, shows the wizard; closing it ends the program
portable="$WINEPREFIX/drive_c/Tärnivel ö"
(mkdir "$portable" && cd "$portable" && cmake -E tar xf "$zip")
exe="$portable/Tarnivel/Tarnivel.exe"
start
wait_window 'Welcome\.\.\.'
wmctrl -c 'Welcome...'
ends_within 10 "closing the wizard"

# --- 2. the installer, silent: the program and its guide, the Start menu entry, the entry among
# the installed programs
installer /i "$(winepath -w "$msi")"
programs=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Tarnivel)
shortcut="${programs%/*/*/*}/Roaming/Microsoft/Windows/Start Menu/Programs/Tarnivel.lnk"
exe="$programs/Tarnivel.exe"
ls "$exe" "$programs"/{README.html,docs/*/meter.png} "$shortcut" >/dev/null || fail "not installed"
entry=$(installed)
registry "$entry" | grep -q "DisplayVersion .* $(basename "$msi" | cut -d- -f2)$" || fail "no entry"
# Its icon, published where Windows Installer keeps it for the list.
registry 'HKCU\Software\Microsoft\Installer\Products' /s | grep -q 'ProductIcon .*Tarnivel\.ico$' ||
    fail "no icon for the installed programs"

# --- 3. the installed program: no settings, so the wizard, finished with the keyboard ("I
# agree", Next, Next, Finish with "Don't know" and its note); then the meter
start
wait_window 'Welcome\.\.\.'
sleep 1
xdotool windowactivate "$window" 2>/dev/null || true # Wine sets no _NET_ACTIVE_WINDOW: no --sync
sleep 0.5
xdotool key --delay 300 Up Return Return Return
wait_for 10 window_named Tarnivel || fail "no note on \"Don't know\""
xdotool key Return
wait_window Form1

# --- 4. the meter's window changes from tick to tick under loopback traffic
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

# --- 5. a package of the same version from another build (a product code of its own) replaces
# the installed one while the meter runs: the meter ends and stores its settings, one entry stays.
# Wine removes the older package without UPGRADINGPRODUCTCODE, and so with the Run value that
# Windows keeps: the box writes it after this.
(cd "${msi%/*}/packaging/stage" && wixl --arch x64 --output "$work/rebuilt.msi" ../tarnivel.wxs)
stores_on "the upgrade" installer /i "$(winepath -w "$work/rebuilt.msi")"
[ "$(installed)" != "$entry" ] && entry=$(installed) && [ "$(wc -l <<<"$entry")" = 1 ] ||
    fail "not one new entry among the installed programs: $(installed)"

# --- 6. the settings dialog's box writes the Run value, which starts the installed program
restart
menu Up Up Return
wait_for 5 window_named Settings || fail "Settings... opened no dialog"
sleep 0.5
xdotool key --delay 100 Tab Tab space Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Settings\$'" || fail "OK left it open"
registry "$run_key" | grep -Eq 'Tarnivel +REG_SZ +"C:.+\\Programs\\Tarnivel\\Tarnivel\.exe"$' ||
    fail "no Run value for the installed program: $(registry "$run_key")"

# --- 7. "Send To Tray" hides the meter; a second start brings it back (out of the tray too) and
# ends with status 0, and so does a double click on its icon (Wine docks it in trayer, at the right
# end of the 1024 x 768 screen), not a single click. (Right after that double click, Wine now and
# then lets no click reach the meter: it is the last step on the tray.)
tray() {
    menu Down Down Return
    wait_for 5 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "Send To Tray failed"
}
tray
timeout 30 wine "$exe" >"$work/second.log" 2>&1 || fail "the second start ended with status $?"
wait_for 5 shown || fail "the second start did not bring the meter forward"
tray
xdotool mousemove 1013 756 click 1
sleep 1
! shown || fail "a single click on the tray icon brought the meter back"
xdotool click --repeat 2 --delay 80 1
wait_for 5 shown || fail "a double click on the tray icon did not bring the meter back"

# --- 8. the same package again while the meter runs: the meter ends and stores its settings,
# the Run value stays; the end of the session (before the program is ended) stores them too
stores_on "the installer's request" installer /i "$(winepath -w "$work/rebuilt.msi")"
registry "$run_key" | grep -q Tarnivel || fail "the Run value went with the second install"
restart
stores_on "the session's end" wineboot --end-session

# --- 9. the uninstall, silent, while the meter runs: the meter ends; program, guide, Start menu
# entry, the entry among the installed programs and the Run value go; the settings stay
restart
installer /x "${entry##*\\}"
[ ! -e "$programs" ] && [ ! -e "$shortcut" ] || fail "left after the uninstall: $programs $shortcut"
! registry "$entry" >/dev/null || fail "the entry among the installed programs stayed"
! registry "$run_key" | grep -q Tarnivel || fail "the Run value stayed: $(registry "$run_key")"
[ "$(setting MaxValue)" = 7200 ] || fail "the settings went with the uninstall: $(stored)"
echo "PASS: installer and zip end-to-end under Wine"
