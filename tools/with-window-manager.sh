#!/usr/bin/env bash
# Runs a command on its own X server (Xvfb, 1280 by 900) under a real window manager (openbox),
# so that what offscreen cannot show (frames, focus, window placement) is seen. Both are started
# here and stopped when the command ends, however it ends; nothing is left running.
#   tools/with-window-manager.sh COMMAND [ARGS...]
set -euo pipefail

for tool in Xvfb openbox; do
  # Skipped (77), and said so, where the tools are not installed.
  command -v "$tool" >/dev/null || { echo "$tool is missing: run tools/install-deps.sh" >&2; exit 77; }
done

work=$(mktemp -d)
xvfb=
wm=
stop() {
  [[ -n "$wm" ]] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap 'stop || true' EXIT
trap 'exit 130' INT TERM

# The server picks a free display and writes its number once it accepts clients.
mkfifo "$work/display" "$work/ready"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
read -r number <"$work/display" || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$number"

# openbox runs its startup command once it manages the screen: that is when the test may begin.
export XDG_CONFIG_HOME="$work/config" HOME="$work"
openbox --sm-disable --startup "sh -c 'echo up >\"$work/ready\"'" >"$work/openbox.log" 2>&1 &
wm=$!
read -r _ <"$work/ready" || { cat "$work/openbox.log" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
"$@"
