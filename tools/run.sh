#!/bin/sh
# Builds the launcher and runs it under Wine (the 32-bit build where this machine can run it, else
# the 64-bit one). With no display it runs on a private X server, writes a screenshot after a few
# seconds and closes the launcher again; nothing of Wine or the X server is left running.
#   tools/run.sh [SECONDS]   (default 8: how long the headless run waits before the screenshot)
set -eu
cd "$(dirname "$0")/.."
. tools/pick-build.sh
tools/install-deps.sh
pick_build
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target launcher
exe=build/$preset/src/app/launcher.exe

if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run.sh "$exe"
fi

shot=build/screenshots/launcher.png
mkdir -p build/screenshots
# Set before the first Wine step, so that a failing step also stops the X server and Wine.
trap 'tools/wine-run.sh --arch "$arch" --kill' EXIT
tools/wine-run.sh --arch "$arch" --prepare
tools/wine-run.sh "$exe" &
launcher=$!
sleep "${1:-8}"
DISPLAY=$(tools/wine-run.sh --arch "$arch" --display) import -window root "$shot"
echo "screenshot: $shot"
# Without /f taskkill sends WM_CLOSE, so the launcher shuts down as a player's close would.
tools/wine-run.sh --arch "$arch" taskkill /im launcher.exe >/dev/null 2>&1 || true
wait "$launcher" && echo "launcher exited with code 0" || echo "launcher exited with code $?"
