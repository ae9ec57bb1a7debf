#!/usr/bin/env bash
# Measures the web page's budgets in Debian's headless Chromium: its size,
# the time from navigation to the first painted window (cold and warm, the
# median of 10), and its memory. Builds the site with the wasm preset first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [[ ! -f tests/web/node_modules/.package-lock.json ]]; then
  npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
fi
scripts/configure.sh wasm
cmake --build --preset wasm --target site >/dev/null
node bench/web_page.mjs build/wasm/site "${RUNS:-10}"
