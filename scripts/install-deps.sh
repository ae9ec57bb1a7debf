#!/usr/bin/env bash
# Installs, through apt, whatever a Debian 12 machine lacks to build, run and
# test The Cartouchery. Does nothing when every package is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libgif-dev fonts-noto-core
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
  binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  xvfb xauth imagemagick dbus at-spi2-core python3-pyatspi
)
if [[ "${1:-}" == "--with-screen" ]]; then
  # Only needed to drive the program by hand where no display exists.
  packages+=(xdotool)
fi

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
