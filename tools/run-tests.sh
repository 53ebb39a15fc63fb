#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the normal build, and in
# a Debug build under AddressSanitizer + UndefinedBehaviorSanitizer with LeakSanitizer on.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/tools/install-deps.sh"

echo "== normal build"
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== sanitizer build"
"$root/tools/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQUARLIN_SANITIZE=ON
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"
