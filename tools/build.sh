#!/usr/bin/env bash
# Configures and builds one build tree. Usage: tools/build.sh DIR [cmake options...]
# Options given are applied to an existing tree too (cmake keeps the ones given before).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=$1
shift
if [[ ! -f "$dir/build.ninja" ]]; then
  cmake -S "$root" -B "$dir" -G Ninja "$@"
elif (($#)); then
  cmake -S "$root" -B "$dir" "$@"
fi
cmake --build "$dir" --parallel "$(nproc)"
