#!/usr/bin/env bash
# Builds the Debian packages from a build tree (default build/) into BUILD_DIR/packages/ and
# checks them with lintian:
#   bash tools/build-packages.sh [BUILD_DIR]
#   apt install ./build/packages/*.deb
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build"
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -B "$build/packages"
rm -rf "$build/packages/_CPack_Packages"
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$build"/packages/*.deb   # fails on an error, not on a warning
fi
ls "$build"/packages/*.deb
