#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UBSan (RelWithDebInfo: far quicker under
# the sanitizers than Debug): CI's second stage. The fuzz targets' smoke run is left out: it has
# the sanitizers of its own and runs with the ordinary tests.
#   tools/sanitizer-tests.sh [build folder, default build-asan]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-asan}"
cd "$root"

cmake -S . -B "$build" -DPMSECT_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPMSECT_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
# Leaks fail the run too; the command-line runs may take longer under the sanitizers.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tools/lsan-suppressions.txt}"
export PMSECT_CLI_TIME_SCALE="${PMSECT_CLI_TIME_SCALE:-5}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --label-exclude fuzz
