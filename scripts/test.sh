#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite:
# the fuzzers, the tests under AddressSanitizer and UBSan, then the plain build's tests
# (unit, widget and end-to-end under Xvfb), with the Windows leg (cross-built, run under Wine)
# before them and the Debian package installed and removed once in between. CTest's summary of
# the plain build ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc)

scripts/deps.sh

echo "== build: plain"
cmake -S . -B build/dev -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/dev -j "$jobs"

echo "== build: AddressSanitizer + UBSan"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNIVEL_SANITIZE=ON -DTARNIVEL_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"

echo "== build: fuzzers (clang)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNIVEL_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs"

for fuzzer in build/fuzz/tests/fuzz/fuzz_*; do
    name=${fuzzer##*/fuzz_}
    work=$(mktemp -d)
    echo "== fuzz: $name for ${fuzz_seconds}s"
    # New inputs go to the scratch folder; the seed corpus in the repository stays as it is.
    "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 -artifact_prefix="$work/" \
        "$work" "tests/fuzz/corpus/$name" 2>"$work/log" \
        || { tail -n 40 "$work/log"; echo "fuzzer $name failed; inputs in $work"; exit 1; }
    grep -E '^Done|^#[0-9]+ *DONE' "$work/log" | tail -n 1 || true
    rm -rf "$work"
done

echo "== tests: AddressSanitizer + UBSan"
ctest --test-dir build/asan -LE e2e --output-on-failure --no-label-summary -j "$jobs"

scripts/test_windows.sh

echo "== package: build, install, run and remove the .deb"
tests/packaging/deb_test.sh build/dev

echo "== tests: plain build"
ctest --test-dir build/dev --output-on-failure --no-label-summary
