#!/usr/bin/env bash
# Installs what is needed, builds the meter and starts it on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNIVEL_TESTS=OFF -DTARNIVEL_BENCH=OFF >/dev/null
cmake --build build/release --target tarnivel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/release/tarnivel, but there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."
    echo "Run this command again from a desktop session to start the meter."
    exit 1
fi
echo "Starting the meter: build/release/tarnivel"
exec build/release/tarnivel
