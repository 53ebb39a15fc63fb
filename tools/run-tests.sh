#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test three times: in the normal build
# (Qt 5), in the same build against Qt 6, and in a Debug build under AddressSanitizer +
# UndefinedBehaviorSanitizer with LeakSanitizer on (Qt 5); then builds the libFuzzer targets with
# clang and runs each briefly. Any failure fails the whole run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/tools/install-deps.sh"

echo "== normal build"
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== normal build against Qt 6"
"$root/tools/build.sh" "$root/build-qt6" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARLIN_QT_MAJOR=6
ctest --test-dir "$root/build-qt6" --output-on-failure -j "$jobs"

echo "== sanitizer build"
"$root/tools/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQUARLIN_SANITIZE=ON
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== fuzz targets (clang, libFuzzer, ASan+UBSan), briefly"
"$root/tools/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQUARLIN_SANITIZE=ON -DQUARLIN_BUILD_FUZZ=ON -DQUARLIN_BUILD_TESTS=OFF -DQUARLIN_BUILD_APP=OFF \
  -DQUARLIN_BUILD_BENCH=OFF
"$root/tools/run-fuzz.sh" "${QUARLIN_FUZZ_SECONDS:-10}" "$root/build-fuzz"
