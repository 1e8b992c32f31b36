#!/usr/bin/env bash
# Builds the .deb from a finished build, has lintian check it, installs it as a user would (apt
# resolves what it declares), runs the installed program under Xvfb, ends it, purges the package
# and checks that no file of it stays. Changes /usr: runs as root (or with sudo), outside CTest.
#   deb_test.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
source "$(dirname "$0")/../e2e/lib.sh"

! dpkg-query -W -f='${Status}' tarnivel 2>/dev/null | grep -q 'install ok installed' ||
    fail "a tarnivel package is installed already; this test would replace and remove it"
started=$EPOCHREALTIME
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1)
deb=$(ls "$work"/package/tarnivel_*.deb)
echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes; depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
# Debian's checker: no error and no warning but the copyright file, which waits for a licence.
lintian --display-info --fail-on error,warning --suppress-tags no-copyright-file "$deb" \
    >"$work/lintian.log" 2>&1 || fail "lintian:$(echo && grep -v '^N' "$work/lintian.log")"

apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq >"$work/apt-$1.log" 2>&1; }
apt install "$deb" || fail "apt-get install failed"
[ -f /usr/share/doc/tarnivel/README.html ] || fail "no user guide after installing"

start_xvfb
private_session RunBefore=1
tarnivel=/usr/bin/tarnivel
start
wait_window Form1
kill -TERM "$program"
ends_within 10 "SIGTERM"
all_stored "SIGTERM"

apt purge tarnivel || fail "apt-get purge failed"
# Every path of the package that is no folder (those may be shared) is gone.
left=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' | while read -r path; do
    [ ! -e "$path" ] && [ ! -L "$path" ] || echo "$path"
done)
[ -z "$left" ] || fail "left behind after purge: $left"
awk -v from="$started" -v to="$EPOCHREALTIME" \
    'BEGIN { printf "PASS: built, installed, ran and removed in %.1f s\n", to - from }'
