#!/usr/bin/env bash
# The Windows stage of the tests: cross-builds Cartouchery.exe and its tests
# with MinGW-w64 and runs them under Wine, with the real window and both
# packages. Needs a Qt 6 for 64-bit Windows: QT_WINDOWS_PREFIX, or
# ../shared/qt6-windows beside the repository. Without one it says so in one
# line and passes, except in CI (CI=true), where it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
qt="${QT_WINDOWS_PREFIX:-$(cd .. && pwd)/shared/qt6-windows}"
# shellcheck source=lib/stage.sh
source scripts/lib/stage.sh
[[ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]] ||
  leave_stage_out Windows "no Qt for Windows at $qt (set QT_WINDOWS_PREFIX; scripts/build-qt-windows.sh makes one)"
export QT_WINDOWS_PREFIX="$qt"
start=$(date +%s)
test_against_linux windows Windows "$start"
