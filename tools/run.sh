#!/bin/sh
# Builds the launcher (or the skin gallery) and runs it under Wine (the 32-bit build where this
# machine can run it, else the 64-bit one). With no display it runs on a private X server, writes
# a screenshot after a few seconds and closes the program again as a person would; nothing of Wine
# or the X server is left running.
#   tools/run.sh [SECONDS]           the launcher (default 8: how long the headless run waits
#                                    before the screenshot, build/screenshots/launcher.png)
#   tools/run.sh gallery [SECONDS]   the skin gallery (build/screenshots/gallery.png, default 4)
# VELMORA_DPI=144 (or another DPI) runs it on a screen of that DPI (gallery-dpi144.png).
set -eu
cd "$(dirname "$0")/.."
. tools/pick-build.sh

# VELMORA_SKIN=DIR tools/run.sh gallery: the gallery in the skin of the folder DIR (skins/dark).
program=launcher dir=src/app wait=8 args= skin=
if [ "${1:-}" = gallery ]; then
    # Nobody can press "Add a button" on a private X server: the program presses it itself.
    program=gallery dir=tools/gallery wait=4 skin=${VELMORA_SKIN:-} args="add $skin"
    shift
fi

tools/install-deps.sh
pick_build
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target "$program"
exe=build/$preset/$dir/$program.exe

if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run.sh "$exe" $skin
fi

shot=build/screenshots/$program${VELMORA_DPI:+-dpi$VELMORA_DPI}.png
# Room for the larger windows of a higher DPI.
[ -z "${VELMORA_DPI:-}" ] || export VELMORA_SCREEN="${VELMORA_SCREEN:-2560x1600x24}"
mkdir -p build/screenshots
# Set before the first Wine step, so that a failing step also stops the X server and Wine.
trap 'tools/wine-run.sh --arch "$arch" --kill' EXIT
tools/wine-run.sh --arch "$arch" --prepare
tools/wine-run.sh "$exe" $args &
running=$!
sleep "${1:-$wait}"
DISPLAY=$(tools/wine-run.sh --arch "$arch" --display) import -window root "$shot"
echo "screenshot: $shot"
# Without /f taskkill sends WM_CLOSE, so the program shuts down as a person's close would.
tools/wine-run.sh --arch "$arch" taskkill /im "$program.exe" >/dev/null 2>&1 || true
wait "$running" && echo "$program exited with code 0" || echo "$program exited with code $?"
