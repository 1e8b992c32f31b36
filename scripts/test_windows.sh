#!/usr/bin/env bash
# The Windows leg: cross-builds the Qt-free cores, the Windows platform files and their tests
# with mingw-w64, then runs the tests under Wine in a throw-away prefix. The counter tests
# compare the Windows interface table with the host's /proc/net/dev, which Wine maps.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}
started=$SECONDS

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

echo "== windows: cross-build (mingw-w64)"
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNIVEL_GUI=OFF -DTARNIVEL_BENCH=OFF \
    -DTARNIVEL_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build build/windows -j "$jobs"

echo "== windows: tests under Wine"
TARNIVEL_HOST_NET_DEV='Z:\proc\net\dev' \
    ctest --test-dir build/windows --output-on-failure --no-label-summary </dev/null

echo "== windows: done in $((SECONDS - started)) s"
