#!/usr/bin/env bash
# Installs what is missing, builds, and starts The Cartouchery.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure.sh release
cmake --build --preset release --target cartouchery
exec build/release/cartouchery "$@"
