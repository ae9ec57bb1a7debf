#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, a
# short bounded run of the window fuzzer, the Windows build under Wine where a
# Qt for Windows is found, then the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_window describe
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

scripts/test-windows.sh

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
