#!/usr/bin/env bash
# Runs the window fuzzer for a bounded time (seconds, default 60) from the
# committed seed corpus and a small window with real pictures, compiled here
# from fuzz/seed-window.json. A crash fails the run and leaves its input in
# build/fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
work=build/fuzz/corpus
mkdir -p "$work" build/fuzz/crashes
cp -n fuzz/corpus/* "$work"/ 2>/dev/null || true
build/fuzz/tools/describe/describe fuzz/seed-window.json assets "$work/seed-window.desc"
QT_QPA_PLATFORM=offscreen build/fuzz/fuzz/fuzz_window -max_total_time="$seconds" -max_len=16384 \
  -print_final_stats=1 -artifact_prefix=build/fuzz/crashes/ "$work" 2>&1 | tail -n 12
