#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; non-zero on any failure.
#   1. the full build (warnings as errors): core, desktop and batch programs, all tests, benchmarks;
#   2. the core and batch tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. each fuzz target for a short fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

./scripts/install-deps.sh

echo "== build and test"
cmake -S . -B build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELSTRAND_WERROR=ON >/dev/null
cmake --build build/ci -j"$jobs"
(cd build/ci && ctest --output-on-failure -j"$jobs" --timeout 600)

echo "== sanitizers"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DTARVELSTRAND_SANITIZE=ON -DTARVELSTRAND_GUI=OFF \
    -DTARVELSTRAND_BENCH=OFF -DTARVELSTRAND_WERROR=ON >/dev/null
cmake --build build/asan -j"$jobs"
(cd build/asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j"$jobs" --timeout 900)

echo "== fuzz"
"$root/scripts/fuzz.sh" "${TARVELSTRAND_FUZZ_SECONDS:-20}"

echo "All tests passed."
