#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a few seconds on its seed corpus (read
# only: new inputs go to a throw-away folder). Exits non-zero when a target finds a fault.
#   tools/fuzz-smoke.sh [seconds per target, default 3]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PMSECT_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-3}"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for target in project_file settings_file number_text load_file project_json; do
    mkdir -p "$scratch/$target"
    dict=()
    if [ -f "$root/fuzz/$target.dict" ]; then
        dict=(-dict="$root/fuzz/$target.dict")
    fi
    if (cd "$scratch" && "$build/${target}_fuzzer" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 "$scratch/$target" \
            "$root/fuzz/corpus/$target" >"$scratch/$target.log" 2>&1); then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target.log")"
        echo "$target: ok, ${runs:-?} runs in ${seconds}s"
    else
        echo "$target: FAILED"
        grep -E "_fuzzer:|ERROR|runtime error|SUMMARY" "$scratch/$target.log" | head -20
        # Kept beside the fuzz build, never in the source tree.
        mkdir -p "$build/artifacts"
        cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-* \
            "$build/artifacts/" 2>/dev/null || true
        echo "$target: inputs that fail are in $build/artifacts"
        status=1
    fi
done
exit $status
