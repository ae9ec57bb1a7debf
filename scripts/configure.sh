#!/usr/bin/env bash
# Configures a preset quietly, but says on the console every check it leaves
# out for want of a tool (and, in CI, fails on one: see cmake/leave-out.cmake).
#   scripts/configure.sh PRESET [CMAKE ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="$1"
shift
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! cmake --preset "$preset" "$@" >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
grep -h "Leaving out" "$log" | sed "s/^-- /$preset: /" || true
