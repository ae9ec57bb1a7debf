# Sourced by the scripts that build a Qt (build-qt-windows.sh,
# build-qt-wasm.sh): installs what the project needs, the build machine's Qt
# tools of the same version (moc, rcc, uic, which a cross-built Qt uses) and
# any packages named, then unpacks Debian 12's own qt6-base source in WORK,
# changes into WORK and sets src to the source folder.
#   qt6_base_source WORK [PACKAGE...]
qt6_base_source() {
  local work="$1"
  shift
  local here
  here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  "$here/scripts/install-deps.sh"
  local sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    echo "deb-src http://deb.debian.org/debian bookworm main" |
      "${sudo[@]}" tee /etc/apt/sources.list.d/cartouchery-deb-src.list >/dev/null
    "${sudo[@]}" apt-get update -qq
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    dpkg-dev qt6-base-dev-tools "$@"
  mkdir -p "$work"
  cd "$work"
  [[ -d qt6-base-6.4.2+dfsg ]] || apt-get source qt6-base=6.4.2+dfsg-10
  src="$work/qt6-base-6.4.2+dfsg"
}
