#!/usr/bin/env bash
# Refreshes the .ts files from the sources (new texts appear unfinished, vanished ones go), or,
# with --check, changes nothing and fails when a .ts file is not current with the sources.
# Usage: tools/update-translations.sh [--check] [path to lupdate]
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
if [[ "${1:-}" == "--check" ]]; then
  check=true
  shift
fi
lupdate=${1:-/usr/lib/qt5/bin/lupdate}

# The library's texts (the reference host's own messages are not the library's), and the
# reference app's: its window and the texts it gives its prompts.
library_sources=(prompt property propertybindings propertymanager styleproperties)
for room in sdk/*/; do
  [[ "$room" == sdk/host/ ]] || library_sources+=("${room%/}")
done
declare -A sets=(
  [resources/translations]="${library_sources[*]}"
  [apps/hostapp/translations]="apps/hostapp"
)

texts() { # context and source of every message, one per line
  python3 - "$1" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        print(repr((name, message.findtext('source'))))
PY
}

status=0
for folder in "${!sets[@]}"; do
  for ts in "$folder"/*.ts; do
    read -r -a sources <<<"${sets[$folder]}"
    if $check; then
      scratch=$(mktemp --suffix=.ts)
      cp "$ts" "$scratch"
      "$lupdate" -silent -no-obsolete -locations none -I . -I apps "${sources[@]}" -ts "$scratch" 2>/dev/null
      if ! diff <(texts "$ts" | sort) <(texts "$scratch" | sort) >/dev/null; then
        echo "$ts is not current with the sources (run tools/update-translations.sh):"
        diff <(texts "$ts" | sort) <(texts "$scratch" | sort) | grep '^[<>]' | sed 's/^</  gone:/; s/^>/  new: /'
        status=1
      fi
      rm -f "$scratch"
    else
      "$lupdate" -no-obsolete -locations none -I . -I apps "${sources[@]}" -ts "$ts"
    fi
  done
done
exit $status
