#!/usr/bin/env bash
# Installs what is missing, builds, and starts the reference host. Without a display it writes
# the gallery of every prompt instead and prints where.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd "$root"
exec "$root/build/bin/quarlin-host-app" "$@"
