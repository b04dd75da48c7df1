#!/usr/bin/env bash
# Long fuzzing runs: each target for the given minutes, its corpus growing in a scratch folder
# (seeded from fuzz/corpus/<target>), findings kept in the artifacts folder.
#   tools/fuzz-long.sh [minutes per target, default 10] [target ...]
# Targets: project_file settings_file number_text load_file project_json (all by default). PMSECT_FUZZ_SCRATCH sets the
# scratch folder (default build-fuzz/long); targets run one after the other, or JOBS at a time;
# TIMEOUT is how many seconds one input may take before it counts as a hang (default 10).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PMSECT_FUZZ_BUILD:-$root/build-fuzz}"
scratch="${PMSECT_FUZZ_SCRATCH:-$build/long}"
minutes="${1:-10}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(project_file settings_file number_text load_file project_json)
fi
jobs="${JOBS:-1}"
timeout="${TIMEOUT:-10}" # seconds one input may take

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

run_one() {
    local target="$1"
    local corpus="$scratch/corpus/$target" artifacts="$scratch/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    local start rc=0
    start=$(date +%s)
    local dict=()
    if [ -f "$root/fuzz/$target.dict" ]; then
        dict=(-dict="$root/fuzz/$target.dict")
    fi
    "$build/${target}_fuzzer" "${dict[@]}" -max_total_time=$((minutes * 60)) -timeout="$timeout" -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$root/fuzz/corpus/$target" \
        >"$scratch/$target.log" 2>&1 || rc=$?
    local runs
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target.log")"
    printf '%s: exit %d, %s runs in %ds, corpus %d files, findings: %s\n' "$target" "$rc" \
        "${runs:-?}" $(($(date +%s) - start)) "$(ls "$corpus" | wc -l)" \
        "$(ls "$artifacts" | tr '\n' ' ')"
}

mkdir -p "$scratch"
running=0
for target in "${targets[@]}"; do
    run_one "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait
