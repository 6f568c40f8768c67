#!/usr/bin/env bash
# Builds the libFuzzer targets of the core with clang (preset "fuzz", in build/fuzz) and runs
# each for the given seconds (default 60), one after the other, from its seeds in
# fuzz/corpus/<target>/. Inputs that reach new code are kept in build/fuzz/corpus/<target>/,
# a failing input goes to build/fuzz/artifacts/, each run's output to build/fuzz/logs/.
# Prints the executions of each target and where the shading results left 0 to 1; ends with a
# non-zero status when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts build/fuzz/logs

status=0
for seeds in fuzz/corpus/*/; do
    target=$(basename "$seeds")
    found=build/fuzz/corpus/$target
    log=build/fuzz/logs/$target.log
    mkdir -p "$found"
    if "build/fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/ "$found" "$seeds" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "$target: $runs executions in $seconds s"
        sed -n '/results outside 0 to 1/,$p' "$log"
    else
        echo "$target: FAILED, see $log"
        tail -n 40 "$log"
        status=1
    fi
done
exit $status
