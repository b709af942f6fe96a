#!/bin/sh
# Builds the launcher and runs it under Wine. With no display it runs on a private X server,
# writes a screenshot after a few seconds and closes the launcher again.
#   tools/run.sh [SECONDS]   (default 8: how long the headless run waits before the screenshot)
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 --target launcher
exe=build/mingw-i686/src/app/launcher.exe

if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run.sh "$exe"
fi

shot=build/screenshots/launcher.png
mkdir -p build/screenshots
tools/wine-run.sh --prepare
trap 'tools/wine-run.sh --kill' EXIT
tools/wine-run.sh "$exe" &
launcher=$!
sleep "${1:-8}"
DISPLAY=$(tools/wine-run.sh --display) import -window root "$shot"
echo "screenshot: $shot"
# Without /f taskkill sends WM_CLOSE, so the launcher shuts down as a player's close would.
tools/wine-run.sh taskkill /im launcher.exe >/dev/null 2>&1 || true
wait "$launcher" && echo "launcher exited with code 0" || echo "launcher exited with code $?"
