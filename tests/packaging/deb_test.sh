#!/usr/bin/env bash
# Builds the Debian package from a finished build, installs it the way a user would (apt
# resolves the dependencies it declares), starts the installed program on its own Xvfb display,
# ends it like a session end does, removes the package and checks that nothing of it stays.
# Changes /usr, so it runs as root (or with sudo) and outside CTest.
#   deb_test.sh <build folder>
set -euo pipefail

build=$(realpath "$1")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
source "$(dirname "$0")/../e2e/lib.sh"

if dpkg-query -W -f='${Status}' tarnivel 2>/dev/null | grep -q 'install ok installed'; then
    fail "a tarnivel package is installed already; this test would replace and remove it"
fi

started=$EPOCHREALTIME
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1)
deb=$(ls "$work"/package/tarnivel_*.deb)
echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"

# Every path of the package, and which of its folders existed before.
dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' | sed 's|/$||' | grep -v '^$' >"$work/paths"
while read -r path; do
    [ -d "$path" ] && echo "$path"
done <"$work/paths" >"$work/folders-before" || true

$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/install.log" 2>&1 ||
    fail "apt-get install failed"
[ -x /usr/bin/tarnivel ] || fail "no /usr/bin/tarnivel after installing"
[ -f /usr/share/doc/tarnivel/README.md ] || fail "no user guide after installing"

# --- the installed program on its own X server, with a home where the wizard was done
start_xvfb
config="$work/home/config/Tarnivel/Tarnivel.conf"
mkdir -p "${config%/*}"
printf '[Settings]\nRunBefore=1\n' >"$config"
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$(cat "$work/display")" HOME="$work/home" \
    XDG_CONFIG_HOME="$work/home/config" /usr/bin/tarnivel >"$work/meter.log" 2>&1 &
meter=$!
pids+=("$meter")
wait_for 15 env DISPLAY=":$(cat "$work/display")" xdotool search --onlyvisible --class tarnivel ||
    fail "the installed program shows no window"
kill -TERM "$meter"
wait_for 10 bash -c "! kill -0 $meter" || fail "SIGTERM did not end the program"
wait "$meter" || fail "the program ended with an error after SIGTERM"
grep -q '^Opacity=' "$config" || fail "the program stored no settings"

# --- remove it again: none of its files, and none of the folders it brought, may stay
$sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tarnivel >"$work/purge.log" 2>&1 ||
    fail "apt-get purge failed"
left=$(while read -r path; do
    if [ -e "$path" ] && ! grep -qxF "$path" "$work/folders-before"; then echo "$path"; fi
done <"$work/paths")
[ -z "$left" ] || fail "left behind after purge: $left"
status=$(dpkg-query -W -f='${Status}' tarnivel 2>/dev/null || true)
[ -z "$status" ] || [[ $status == *not-installed ]] || fail "dpkg still lists the package: $status"
awk -v from="$started" -v to="$EPOCHREALTIME" \
    'BEGIN { printf "PASS: built, installed, ran and removed in %.1f s\n", to - from }'
