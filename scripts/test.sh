#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then builds
# again under AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test there too; last, times the listing, the window and the printout with
# the benchmarks (a report, not a check).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run test
lavori=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIANOAMM_WERROR=ON -DPIANOAMM_TESTS=ON -DPIANOAMM_BENCH=ON >/dev/null
cmake --build build -j"$lavori"
(cd build && ctest --output-on-failure -j"$lavori")

cmake -S . -B build-sanitizer -DCMAKE_BUILD_TYPE=Debug -DPIANOAMM_WERROR=ON -DPIANOAMM_SANITIZE=ON -DPIANOAMM_BENCH=OFF >/dev/null
cmake --build build-sanitizer -j"$lavori"
(cd build-sanitizer && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j"$lavori")

build/bench/pianoamm-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
build/bench/pianoamm-bench-qt --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
