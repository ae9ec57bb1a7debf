#!/usr/bin/env bash
# Measures the performance budgets: the benchmark program, then the start-up
# of the program against an empty Qt window, as whole processes in turn (15
# pairs, one core): on a real X server (Xvfb, the xcb platform), as people
# start it, and on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure.sh release
cmake --build --preset release --target cartouchery_bench startup_probe >/dev/null
QT_QPA_PLATFORM=offscreen taskset -c 0 build/release/bench/cartouchery_bench \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E "Benchmark|median"

echo "start-up to the first painted window, on Xvfb (xcb):"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  /usr/bin/python3 scripts/startup_compare.py build/release/bench/startup_probe 15
echo "start-up to the first painted window, offscreen:"
QT_QPA_PLATFORM=offscreen /usr/bin/python3 scripts/startup_compare.py build/release/bench/startup_probe 15
