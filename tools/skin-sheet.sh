#!/bin/sh
# Builds skin-sheet and draws the five skin images, 8x with a pixel grid, into
# build/skin-sheet.bmp (and build/skin-sheet.png when ImageMagick's convert is there).
#   tools/skin-sheet.sh [--raw DIR] [--scale N]   (--raw: each image at its own size, DIR/<name>.bmp)
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 --target skin-sheet
if [ -z "${DISPLAY:-}" ]; then
    tools/wine-run.sh --prepare
    trap 'tools/wine-run.sh --kill' EXIT
fi
tools/wine-run.sh build/mingw-i686/tools/skin-sheet/skin-sheet.exe build/skin-sheet.bmp "$@"
echo "sheet: build/skin-sheet.bmp"
if command -v convert >/dev/null 2>&1; then
    convert build/skin-sheet.bmp build/skin-sheet.png && echo "sheet: build/skin-sheet.png"
fi
