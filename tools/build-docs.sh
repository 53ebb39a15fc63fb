#!/usr/bin/env bash
# Builds the API reference from the headers a host gets, into BUILD_DIR/doc/api/html/, and fails
# on any Doxygen warning (an undocumented member, an unknown parameter name, a broken reference).
#   bash tools/build-docs.sh [BUILD_DIR]        (also: cmake --build BUILD_DIR --target docs)

set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
command -v doxygen >/dev/null || { echo "build-docs: doxygen is missing (tools/install-deps.sh installs it)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work" --component development >/dev/null
export QUARLIN_DOCS_HEADERS=$work/include/quarlin-prompt
export QUARLIN_DOCS_PAGES=$root/doc/api
export QUARLIN_DOCS_OUTPUT=$build/doc/api
export QUARLIN_DOCS_VERSION=$(sed -n 's/^project(QuarlinPrompt VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
rm -rf "$QUARLIN_DOCS_OUTPUT"
mkdir -p "$QUARLIN_DOCS_OUTPUT"
status=0
(cd "$root" && doxygen doc/api/Doxyfile) || status=$?
# Files named as they are in the tree, not in the temporary copy.
sed -e "s|$QUARLIN_DOCS_HEADERS/||" -e "s|$QUARLIN_DOCS_PAGES/|doc/api/|" "$QUARLIN_DOCS_OUTPUT/warnings.log" \
  | LC_ALL=C sort -u > "$work/warnings"
if ((status)) && [[ ! -s $work/warnings ]]; then
  echo "build-docs: doxygen failed (status $status)" >&2
  exit 1
fi
if [[ -s $work/warnings ]]; then
  cat "$work/warnings" >&2
  echo "build-docs: $(grep -c . "$work/warnings") warnings; every installed class and member must be documented" >&2
  exit 1
fi
echo "build-docs: $QUARLIN_DOCS_OUTPUT/html/index.html"
