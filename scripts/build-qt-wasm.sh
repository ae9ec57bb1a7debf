#!/usr/bin/env bash
# Builds Qt 6 (Core, Gui, Widgets, OpenGL, Test; the wasm platform plugin;
# GIF and ICO) for WebAssembly from Debian 12's own qt6-base source with
# Debian's own emscripten: the Qt that the wasm preset uses. Static,
# single-threaded, release. About 25 minutes on 2 cores.
#
#   scripts/build-qt-wasm.sh PREFIX [WORK_DIR]
#
# Extra configure options, to try a smaller Qt say, go in QT_WASM_CONFIGURE_ARGS
# (QT_WASM_CONFIGURE_ARGS="-DCMAKE_BUILD_TYPE=MinSizeRel"). Then:
#   QT_WASM_PREFIX=PREFIX scripts/test-web.sh
set -euo pipefail
prefix="$(realpath -m "${1:?usage: build-qt-wasm.sh PREFIX [WORK_DIR]}")"
work="$(realpath -m "${2:-build/qt-wasm-source}")"
here="$(cd "$(dirname "$0")/.." && pwd)"

# shellcheck source=lib/qt-source.sh
source "$here/scripts/lib/qt-source.sh"
qt6_base_source "$work" emscripten

# Qt's configure insists on an emsdk: it reads $EMSDK/.emscripten and runs
# $EMSDK/upstream/emscripten/emcc --version. A stand-in folder satisfies it.
emsdk="$work/emsdk"
mkdir -p "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
ln -sf /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
export EMSDK="$emsdk" NODE_PATH=/usr/share/nodejs

# shellcheck disable=SC2086 # the extra options are words
cmake -G Ninja -S "$src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_thread=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_icu=OFF ${QT_WASM_CONFIGURE_ARGS:-}
cmake --build "$work/build"
cmake --install "$work/build"

# Only what a CMake build needs.
rm -rf "$prefix/bin/qmake" "$prefix/lib/cmake/Qt6BuildInternals" "$prefix/libexec" "$prefix/doc"
find "$prefix/lib" -name '*.prl' -delete
find "$prefix/mkspecs" -mindepth 1 -maxdepth 1 ! -name wasm-emscripten ! -name features \
  ! -name modules ! -name '*.pri' ! -name '*.conf' -exec rm -rf {} +
# Configuring a program compares emsdk versions; Debian's emscripten is no
# emsdk, so the check returns at once when EMSDK is not set.
helpers="$prefix/lib/cmake/Qt6/QtPublicWasmToolchainHelpers.cmake"
grep -q 'cartouchery: no emsdk' "$helpers" ||
  sed -i '/^function(_qt_test_emscripten_version)/a\    if(NOT DEFINED ENV{EMSDK}) # cartouchery: no emsdk\n        return()\n    endif()' "$helpers"

# The licences: Qt's, and those of what it bundles.
mkdir -p "$prefix/LICENSES"
cp "$src"/LICENSES/*.txt "$prefix/LICENSES/"
for pair in freetype/LICENSE.txt:FreeType-LICENSE.txt freetype/docs/FTL.TXT:FreeType-FTL.txt \
            harfbuzz-ng/COPYING:HarfBuzz-COPYING.txt libpng/LICENSE:libpng-LICENSE.txt \
            zlib/src/LICENSE:zlib-LICENSE.txt pcre2/LICENCE:PCRE2-LICENCE.txt \
            wasm/DEJAVU-LICENSE:DejaVu-LICENSE.txt wasm/VERA-LICENSE:Vera-LICENSE.txt; do
  from="$src/src/3rdparty/${pair%%:*}"
  if [[ -f "$from" ]]; then cp "$from" "$prefix/LICENSES/${pair##*:}"; fi
done
echo "Qt for WebAssembly is in $prefix"
