#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; a no-op when all are there.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool wmctrl imagemagick x11-utils openbox trayer xcompmgr iperf3 iproute2
    fonts-dejavu-core dbus-daemon
    dpkg-dev file desktop-file-utils appstream weston xwayland qt6-wayland cmark help2man lintian
    g++-mingw-w64-x86-64-posix wine wine64 googletest wixl
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
