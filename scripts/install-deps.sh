#!/usr/bin/env bash
# Installs, through apt, whatever a Debian 12 machine lacks to build, run and
# test The Cartouchery. Does nothing when every package is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  # Translations: Qt's tools, Qt's own texts, and Unicode's names of the signs.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n unicode-data
  nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libgif-dev fonts-noto-core
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
  binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  xvfb xauth imagemagick xdotool xclip dbus at-spi2-core python3-pyatspi
  # The Windows build: cross compilers, Wine to run it, NSIS to pack it.
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix googletest
  wine wine64 nsis icoutils
  # The web build: emscripten with Qt's host tools, Chromium to test it in.
  emscripten qt6-base-dev-tools chromium
)
# Node.js and npm may come from elsewhere (NodeSource's nodejs carries its own
# npm, which Debian's npm package would conflict with).
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
