#!/usr/bin/env bash
# The Windows leg: cross-builds with mingw-w64 and runs the tests under Wine in a throw-away
# prefix. With Qt for Windows beside the clone (../shared/qt6-mingw/, unpacked into the build
# folder) that is the whole program, its widget tests on Qt's offscreen platform, the installer
# and the zip (left in build/windows), and both with the installed program end to end on an Xvfb
# display; without it, the Qt-free cores and the Windows platform files.
# The counter tests compare the Windows interface table with the host's /proc/net/dev, which
# Wine maps.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}
started=$SECONDS
qt_archive=../shared/qt6-mingw/qt6-6.4.2-x86_64-w64-mingw32-static.tar.xz

scratch=$(mktemp -d)
export WINEPREFIX="$scratch/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer in a fresh prefix
cleanup()
{
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

echo "== windows: Wine prefix"
mkdir "$WINEPREFIX"
# Wine's server and helper processes must not hold on to our output, or a pipe reading it never
# ends. The server stays up between test programs instead of starting again for each.
wineserver -p </dev/null >/dev/null 2>&1
wineboot --init </dev/null >/dev/null 2>&1

qt=()
if [ -f "$qt_archive" ]; then
    if [ ! -d build/windows/qt6-mingw ]; then
        mkdir -p build/windows
        tar -xJf "$qt_archive" -C build/windows
    fi
    qt=(-DTARNIVEL_GUI=ON -DTARNIVEL_MINGW_QT="$PWD/build/windows/qt6-mingw")
    echo "== windows: cross-build with Qt for Windows (mingw-w64)"
else
    qt=(-DTARNIVEL_GUI=OFF)
    echo "== windows: no Qt for Windows at $qt_archive: the Qt-free parts only"
    echo "== windows: cross-build (mingw-w64)"
fi
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DTARNIVEL_BENCH=OFF "${qt[@]}" \
    -DTARNIVEL_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build build/windows -j "$jobs"

echo "== windows: tests under Wine"
TARNIVEL_HOST_NET_DEV='Z:\proc\net\dev' \
    ctest --test-dir build/windows --output-on-failure --no-label-summary -LE e2e </dev/null
if [ "${#qt[@]}" -gt 1 ]; then
    echo "== windows: installer and zip (wixl)"
    cmake --build build/windows --target tarnivel_packages >/dev/null
    package=build/windows/Tarnivel-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' \
        build/windows/CMakeCache.txt)-win64
    for file in "$package.msi" "$package.zip"; do
        size=$(stat -c %s "$file")
        echo "$file: $size bytes"
        [ "$size" -le 7000000 ] || { echo "$file: over 7 MB" && exit 1; }
    done
    echo "== windows: installer and zip end-to-end under Wine (Xvfb, openbox, trayer)"
    bash tests/windows/wine_installer.sh "$package.msi" "$package.zip" </dev/null
fi

echo "== windows: done in $((SECONDS - started)) s"
