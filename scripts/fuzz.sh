#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 20) on its seed corpus. A crash fails the run and leaves the input under build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=$(nproc 2>/dev/null || echo 2)

shopt -s nullglob
targets=(fuzz/fuzz_*.cpp)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets yet"
    exit 0
fi
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELSTRAND_FUZZ=ON >/dev/null
cmake --build build/fuzz -j"$jobs"
for src in "${targets[@]}"; do
    name=$(basename "$src" .cpp)
    corpus="build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds="fuzz/corpus/${name#fuzz_}"
    [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
    echo "-- $name for ${seconds}s"
    (cd build/fuzz && "./fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$name-" "corpus/$name" 2>&1 | tail -n 12)
done
