#!/usr/bin/env bash
# Runs every fuzz target of a clang build tree for SECONDS each (default 60), starting from the
# committed seeds in fuzz/corpus/<target>; what a run finds goes to a scratch copy, never into
# the repository. Exits non-zero when a target finds a crash, a sanitizer report or a leak.
# Usage: tools/run-fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=$(cd "${2:-$root/build-fuzz}" && pwd) # absolute: the targets run from a scratch folder
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for target in fuzz_commit_int fuzz_commit_double fuzz_commit_text fuzz_spinbox_double; do
  corpus="$scratch/$target"
  mkdir -p "$corpus"
  cp "$root/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
  echo "== $target for ${seconds}s"
  log="$scratch/$target.log"
  code=0
  (cd "$scratch" && "$build/bin/$target" "$corpus" -max_total_time="$seconds" -rss_limit_mb=4096 \
     -print_final_stats=1 >"$log" 2>&1) || code=$?
  grep -E "^stat::number_of_executed_units|^stat::new_units_added" "$log" | sort -u || true
  if [[ $code -ne 0 ]]; then
    echo "$target failed (exit $code):"
    grep -E -A25 "ERROR|invariant broken|SUMMARY" "$log" | head -60
    status=1
  fi
done
exit $status
