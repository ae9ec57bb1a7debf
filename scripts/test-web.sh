#!/usr/bin/env bash
# The web stage of the tests: builds the page through Qt for WebAssembly and
# drives it in headless Chromium. Needs a Qt for WebAssembly: QT_WASM_PREFIX,
# or ../shared/qt6-wasm beside the repository. Without one, or without
# Chromium, it says so in one line and passes, except in CI (CI=true), where
# it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib/stage.sh
source scripts/lib/stage.sh
qt="${QT_WASM_PREFIX:-$(cd .. && pwd)/shared/qt6-wasm}"
missing=""
[[ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]] || missing="no Qt for WebAssembly at $qt (set QT_WASM_PREFIX; scripts/build-qt-wasm.sh makes one)"
command -v chromium >/dev/null || missing="${missing:+$missing; }no chromium"
command -v npm >/dev/null || missing="${missing:+$missing; }no npm"
[[ -z "$missing" ]] || leave_stage_out Web "$missing"
export QT_WASM_PREFIX="$qt"
start=$(date +%s)
# puppeteer-core, exactly as locked; it never downloads a browser.
if [[ ! -f tests/web/node_modules/.package-lock.json ||
      tests/web/package-lock.json -nt tests/web/node_modules/.package-lock.json ]]; then
  npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
fi
test_against_linux wasm Web "$start"
