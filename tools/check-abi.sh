#!/usr/bin/env bash
# Compares the binary interface of the built libraries with the one committed in abi/.
#
#   tools/check-abi.sh [BUILD_DIR]            check (the abi_check test runs this)
#   tools/check-abi.sh --update [BUILD_DIR]   renew the baseline, at a release
#
# Only what the installed headers declare counts. An incompatible change fails the check unless
# the library's SONAME changed with it; a compatible one (an addition) is reported and passes.
# The build must carry debug information (RelWithDebInfo or Debug): the types come from there.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
update=0
if [[ ${1:-} == --update ]]; then
  update=1
  shift
fi
build=${1:-$root/build}
libraries=(quarlin_prompt quarlin_host)

for tool in abidw abidiff readelf nm xz; do
  command -v "$tool" >/dev/null || { echo "check-abi: $tool is missing (tools/install-deps.sh installs it)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The headers a host gets, copied as an install copies them.
cmake --install "$build" --prefix "$work/prefix" --component development >/dev/null
headers=$work/prefix/include/quarlin-prompt

soname() { readelf -d "$1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p'; }

status=0
for library in "${libraries[@]}"; do
  binary=$build/lib/lib$library.so
  baseline=$root/abi/lib$library.abi.xz
  if ! readelf -S "$binary" | grep -q '\.debug_info'; then
    echo "check-abi: $binary has no debug information; build it as RelWithDebInfo or Debug" >&2
    exit 2
  fi
  if ((update)); then
    abidw --headers-dir "$headers" --drop-private-types --drop-undefined-syms --no-corpus-path \
      --no-show-locs --type-id-style hash --out-file "$work/$library.abi" "$binary"
    xz -9 -T0 -c "$work/$library.abi" > "$baseline"
    echo "check-abi: baseline of lib$library renewed ($(soname "$binary"))"
    continue
  fi
  xz -dc "$baseline" > "$work/$library.abi"
  was=$(sed -n "1s/.* soname='\([^']*\)'.*/\1/p" "$work/$library.abi")
  now=$(soname "$binary")
  set +e
  abidiff --headers-dir2 "$headers" --drop-private-types  "$work/$library.abi" "$binary" \
    > "$work/$library.report" 2>&1
  result=$?
  set -e
  # abidiff's status is a bit set: 1 error, 2 usage, 4 a change, 8 an incompatible change.
  # A new virtual function at the end of a vtable is one abidiff calls compatible; it is not for
  # us, as hosts derive from our classes and their vtables continue ours. abidiff also notes "a
  # new entry" for a new override of an inherited virtual, which takes no new slot; so the sizes
  # of the vtables decide: any vtable of the baseline that is now of another size is a break.
  if grep -q 'vtable offset' "$work/$library.report"; then
    result=$((result | 8))
  fi
  sed -n "s/.*<elf-symbol name='\(_ZTV[^']*\)' size='\([0-9]*\)'.*is-defined='yes'.*/\1 \2/p" \
    "$work/$library.abi" | sort > "$work/$library.vtables.was"
  nm -D -S --defined-only "$binary" | while read -r _ size _ name; do
    if [[ $name == _ZTV* ]]; then echo "$name $((16#$size))"; fi
  done | sort > "$work/$library.vtables.now"
  resized=$(join "$work/$library.vtables.was" "$work/$library.vtables.now" | awk '$2 != $3 { print "  " $1 ": " $2 " -> " $3 " bytes" }')
  if [[ -n $resized ]]; then
    printf 'vtables of another size:\n%s\n' "$resized" >> "$work/$library.report"
    result=$((result | 8))
  fi
  if ((result & 3)); then
    cat "$work/$library.report"
    echo "check-abi: abidiff could not compare lib$library (status $result)" >&2
    exit 2
  elif ((result & 8)) && [[ $was == "$now" ]]; then
    cat "$work/$library.report"
    echo "FAIL lib$library: an incompatible change, and the SONAME is still $now." >&2
    echo "     Keep the change compatible, or raise the version (CMakeLists.txt) so the SONAME changes." >&2
    status=1
  elif ((result & 8)); then
    echo "ok   lib$library: incompatible with $was, as its new SONAME $now says; renew the baseline"
    echo "     with tools/check-abi.sh --update"
  elif ((result & 4)); then
    echo "ok   lib$library: compatible with $was; what it adds or changes compatibly:"
    sed 's/^/     /' "$work/$library.report"
  else
    echo "ok   lib$library: the same binary interface as $was"
  fi
done
exit $status
