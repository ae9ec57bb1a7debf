#!/usr/bin/env bash
# Builds Qt 6 (Core, Gui, Widgets, Test) for 64-bit Windows with MinGW-w64
# from Debian 12's own qt6-base source, the Qt that the windows preset uses.
# About 25 minutes on 2 cores.
#
#   scripts/build-qt-windows.sh PREFIX [WORK_DIR]
#
# Then: QT_WINDOWS_PREFIX=PREFIX scripts/test-windows.sh
set -euo pipefail
prefix="$(realpath -m "${1:?usage: build-qt-windows.sh PREFIX [WORK_DIR]}")"
work="$(realpath -m "${2:-build/qt-windows-source}")"
here="$(cd "$(dirname "$0")/.." && pwd)"

# shellcheck source=lib/qt-source.sh
source "$here/scripts/lib/qt-source.sh"
qt6_base_source "$work"

# Debian's source lacks src/3rdparty/wintab: build the windows platform
# plugin without tablet support.
win="$src/src/plugins/platforms/windows"
sed -i 's/CONDITION QT_FEATURE_tabletevent/CONDITION FALSE/' "$win/CMakeLists.txt"
sed -i 's/QT_CONFIG(tabletevent)/0/g' "$win/qwindowscontext.cpp" "$win/qwindowspointerhandler.cpp" \
  "$win/qwindowspointerhandler.h"
# DirectWrite's font database is in QtGui only with Direct2D, which is off:
# the plugin uses the GDI font database.
sed -i 's/#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$win/qwindowsintegration.cpp"

cmake -G Ninja -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-compilers.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
  -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_icu=OFF \
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite=ON -DFEATURE_pkg_config=OFF
cmake --build "$work/build"
cmake --install "$work/build"
x86_64-w64-mingw32-strip --strip-unneeded "$prefix"/bin/*.dll "$prefix"/plugins/*/*.dll
mkdir -p "$prefix/LICENSES"
cp "$src"/LICENSES/*.txt "$prefix/LICENSES/"
echo "Qt for Windows is in $prefix"
