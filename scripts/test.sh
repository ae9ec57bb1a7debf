#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, a
# short bounded run of the window fuzzer, the Windows build under Wine where a
# Qt for Windows is found, the web page in headless Chromium where a Qt for
# WebAssembly is found, then the whole suite again under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer. Every stage or test left out
# says so in one line; in CI (CI=true) one left out fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

scripts/configure.sh release
cmake --build --preset release
ctest --preset release

scripts/configure.sh fuzz
cmake --build --preset fuzz --target fuzz_window describe
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

scripts/test-windows.sh

scripts/test-web.sh

scripts/configure.sh sanitize
cmake --build --preset sanitize
ctest --preset sanitize
