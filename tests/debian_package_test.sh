#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks what it
# holds and what it depends on. Usage: debian_package_test.sh BUILD_DIR APP_ID
set -euo pipefail
build="$1" id="$2"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
fail=0
expect() { # what, pattern, text
  if ! grep -qE "$2" <<<"$3"; then echo "FAIL: $1 (no match for $2)"; fail=1; fi
}
info=$(dpkg-deb -f "$deb")
files=$(dpkg-deb -c "$deb")
expect "package name" '^Package: cartouchery$' "$info"
expect "version from the project" '^Version: 1\.00$' "$info"
expect "Qt libraries found by shlibdeps" '^Depends:.*libqt6widgets6' "$info"
expect "window system plugins" '^Depends:.*qt6-qpa-plugins' "$info"
expect "the program" '\./usr/bin/cartouchery$' "$files"
expect "the desktop entry" "\./usr/share/applications/$id\.desktop$" "$files"
expect "the metainfo" "\./usr/share/metainfo/$id\.metainfo\.xml$" "$files"
for size in 48 64 128 256; do
  expect "the ${size} px icon" "\./usr/share/icons/hicolor/${size}x${size}/apps/$id\.png$" "$files"
done
[[ $fail -eq 0 ]] && echo "debian package: $(basename "$deb") holds what it should"
exit $fail
