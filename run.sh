#!/usr/bin/env bash
# Builds Velmora and starts it on the current display. Without a display, it starts a
# virtual one (Xvfb), waits for Velmora's window, saves a screenshot to
# velmora.png and ends.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh

# BUILD_DIR picks another build folder (default build/release).
build=${BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target velmora
root=$(pwd)
case $build in /*) app=$build/src/app/velmora ;; *) app=$root/$build/src/app/velmora ;; esac
# The program looks for its help page (Hilfe.html) in the current directory: its own folder.
cd "$(dirname "$app")"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$app" "$@"
fi

# No display: a virtual one, a screenshot, done.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill "$app_pid" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$app" "$@" &
app_pid=$!
# Wait for the window to be mapped, then for its first frame.
timeout 30 xdotool search --sync --onlyvisible --name Velmora >/dev/null
xdotool sleep 0.5
shot="$root/velmora.png"
import -window root "$shot"
echo "No display found: Velmora ran in a virtual one; screenshot saved to $shot"
