#!/usr/bin/env bash
# Fails, naming each file, when a C++ source of the repository differs from .clang-format.
# Usage: tools/check-format.sh [clang-format binary]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
format=${1:-clang-format-14}
cd "$root"
mapfile -d '' files < <(find apps bench fuzz prompt property propertybindings propertymanager sdk styleproperties \
                          tests tools \( -name '*.h' -o -name '*.cpp' \) -print0)
if ! report=$("$format" --dry-run --Werror "${files[@]}" 2>&1); then
  echo "$report" | grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u \
    | sed "s|^|not formatted (run $format -i on it): |"
  exit 1
fi
