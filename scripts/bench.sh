#!/usr/bin/env bash
# Measures the performance budgets: the benchmark program, then the start-up
# of the program against an empty Qt window (median of 30 runs each, one core).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure.sh release
cmake --build --preset release --target cartouchery_bench startup_probe >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
taskset -c 0 build/release/bench/cartouchery_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E "Benchmark|median"

median_ms() {
  local times=()
  for _ in $(seq 30); do
    local start end
    start=$(date +%s%N)
    taskset -c 0 build/release/bench/startup_probe "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}
empty=$(median_ms empty)
program=$(median_ms program)
echo "start-up to first painted window: empty Qt window ${empty} ms, The Cartouchery ${program} ms" \
  "(ratio $(awk -v p="$program" -v e="$empty" 'BEGIN {printf "%.2f", p / e}'))"
