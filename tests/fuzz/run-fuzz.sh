#!/usr/bin/env bash
# Builds the settings-reader fuzzer with clang and runs it from the seed corpus
# for $1 seconds (60 unless told; a longer run: tests/fuzz/run-fuzz.sh 3600).
set -euo pipefail
secondi=${1:-60}
qui=$(cd "$(dirname "$0")" && pwd)
build=${FUZZ_BUILD_DIR:-$qui/../../build/fuzz}
cmake -S "$qui" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >/dev/null
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cp "$qui"/corpus/* "$lavoro"/
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
"$build/fuzz_impostazioni" -max_total_time="$secondi" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 "$lavoro" 2>&1 | tail -n 25
