#!/usr/bin/env bash
# Measures the running meter at rest on its own Xvfb display: CPU time per second, resident
# memory, and wake-ups (context switches of all its threads) per second.
#   bench/measure_idle.sh <tarnivel> [seconds]
set -euo pipefail
bin=$1
seconds=${2:-60}
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'kill $meter $xvfb 2>/dev/null; wait $meter 2>/dev/null; rm -rf "$work"' EXIT
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" XDG_CONFIG_HOME="$work/config" HOME="$work"
mkdir -p "$work/config/Tarnivel"
printf '[Settings]\nRunBefore=1\n' >"$work/config/Tarnivel/Tarnivel.conf"
"$bin" >/dev/null 2>&1 &
meter=$!
sleep 5

# Nanoseconds on the CPU, summed over all threads (finer than the clock ticks of /proc/PID/stat).
cpu() { cat /proc/"$meter"/task/*/schedstat | awk '{n += $1} END {printf "%.0f\n", n}'; }
switches() {
    cat /proc/"$meter"/task/*/status |
        awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n}'
}
c0=$(cpu); s0=$(switches); t0=$(date +%s.%N)
sleep "$seconds"
c1=$(cpu); s1=$(switches); t1=$(date +%s.%N)
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$meter/status")
threads=$(ls "/proc/$meter/task" | wc -l)
awk -v c0="$c0" -v c1="$c1" -v s0="$s0" -v s1="$s1" -v t0="$t0" -v t1="$t1" \
    -v rss="$rss" -v threads="$threads" 'BEGIN {
    span = t1 - t0
    printf "over %.1f s: CPU %.3f ms/s, wake-ups %.2f /s, resident %.1f MB, threads %d\n",
        span, (c1 - c0) / 1e6 / span, (s1 - s0) / span, rss / 1024, threads
}'
