#!/bin/sh
# Builds skin-sheet and draws the five skin images, 8x with a pixel grid, into
# build/skin-sheet.bmp (and build/skin-sheet.png when ImageMagick's convert is there).
#   tools/skin-sheet.sh [--raw DIR [--raw-scale 2|3]] [--scale N]   (--raw: the built-in skin as a
#   skin folder: each image at its own size, DIR/<name>.bmp, and DIR/skin.ini; --raw-scale: the
#   images as pictures for high DPI, each pixel doubled or tripled)
set -eu
cd "$(dirname "$0")/.."
. tools/pick-build.sh
trap 'tools/wine-run.sh --arch "$arch" --kill' EXIT
tools/install-deps.sh
pick_build
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target skin-sheet
[ -n "${DISPLAY:-}" ] || tools/wine-run.sh --arch "$arch" --prepare
tools/wine-run.sh "build/$preset/tools/skin-sheet/skin-sheet.exe" build/skin-sheet.bmp "$@"
echo "sheet: build/skin-sheet.bmp"
if command -v convert >/dev/null 2>&1; then
    convert build/skin-sheet.bmp build/skin-sheet.png && echo "sheet: build/skin-sheet.png"
fi
