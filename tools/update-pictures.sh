#!/usr/bin/env bash
# Renders every prompt and the reference host app to doc/pictures/, the pictures the README
# shows. Run it after changing a form, and commit what changed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
rm -rf "$root/doc/pictures"
QT_QPA_PLATFORM=offscreen "$root/build/bin/quarlin-host-app" --gallery "$root/doc/pictures"
