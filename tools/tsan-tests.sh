#!/usr/bin/env bash
# The tests that run threads (the load batches, the reinforcement design's search, and the command
# line's runs of both) built with ThreadSanitizer: CI's third stage. Only their test programs are
# built, so that the stage stays within a few minutes on two cores.
#   tools/tsan-tests.sh [build folder, default build-tsan]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-tsan}"
cd "$root"

cmake -S . -B "$build" -DPMSECT_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPMSECT_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target test_engine test_building test_cli pmsect-cli
# A race ends the run with a report; the command-line runs are slower under the sanitizer.
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}"
export PMSECT_CLI_TIME_SCALE="${PMSECT_CLI_TIME_SCALE:-5}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" \
    -R '^(LoadBatch|ReinforcementDesign|LoadFileCli|DesignCli)'
