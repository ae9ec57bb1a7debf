#!/usr/bin/env bash
# The Windows stage of the tests: cross-builds Cartouchery.exe and its tests
# with MinGW-w64 and runs them under Wine, with the real window and both
# packages. Needs a Qt 6 for 64-bit Windows: QT_WINDOWS_PREFIX, or
# ../shared/qt6-windows beside the repository. Without one it says so in one
# line and passes, except in CI (CI=true), where it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
qt="${QT_WINDOWS_PREFIX:-$(cd .. && pwd)/shared/qt6-windows}"
if [[ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
  echo "Windows stage left out: no Qt for Windows at $qt (set QT_WINDOWS_PREFIX; scripts/build-qt-windows.sh makes one)"
  [[ "${CI:-}" == true ]] && exit 1
  exit 0
fi
export QT_WINDOWS_PREFIX="$qt"
start=$(date +%s)
# The Wine window is compared with the Linux program built now, never with
# whatever an earlier build left behind.
scripts/configure.sh release
cmake --build --preset release --target cartouchery
scripts/configure.sh windows -DCARTOUCHERY_LINUX_PROGRAM="$PWD/build/release/cartouchery"
cmake --build --preset windows
ctest --preset windows
echo "Windows stage: $(( $(date +%s) - start )) s"
