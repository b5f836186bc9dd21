#!/usr/bin/env bash
# Checks the layout of the sources, builds everything with warnings as errors,
# runs every test and clang-tidy; then builds
# again under AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test there too; last, times the listing, the window and the printout with
# the benchmarks, and the command line's whole run against a C++ hello world
# (a report, not a check).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run test
lavori=$(nproc)

# The sources as .clang-format lays them out.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPIANOAMM_WERROR=ON -DBUILD_TESTING=ON -DPIANOAMM_BENCH=ON >/dev/null
cmake --build build -j"$lavori"
(cd build && ctest --output-on-failure -j"$lavori")

# No finding of the checks chosen in .clang-tidy, on every source.
run-clang-tidy -p build -j "$lavori" -quiet "$(pwd)/(engine|file|print|ui|app|tests|bench)/.*\.cpp$" >build/clang-tidy.log 2>&1 \
    || { grep -E 'warning:|error:' build/clang-tidy.log; exit 1; }
echo "clang-tidy: nessuna segnalazione"

cmake -S . -B build-sanitizer -DCMAKE_BUILD_TYPE=Debug -DPIANOAMM_WERROR=ON -DPIANOAMM_SANITIZE=ON >/dev/null
cmake --build build-sanitizer -j"$lavori"
suppressioni="$(pwd)/tests/lsan.supp"
(cd build-sanitizer && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$suppressioni" ctest --output-on-failure -j"$lavori")

build/bench/pianoamm-bench --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true
build/bench/pianoamm-bench-qt --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
build/bench/pianoamm-bench-avvio
