#!/bin/sh
# The README's picture of the skin at three DPIs: runs the gallery headless at 96, 144 and 192
# DPI (tools/run.sh, each in a prefix of that DPI) and puts the same corner of the form, the
# command buttons, check boxes and option buttons, side by side: docs/gallery-dpi.png.
#   tools/gallery-dpi.sh [OUT.png]
set -eu
cd "$(dirname "$0")/.."
out=${1:-docs/gallery-dpi.png}
command -v convert >/dev/null 2>&1 || { echo "gallery-dpi: needs ImageMagick's convert" >&2; exit 1; }
[ -z "${DISPLAY:-}" ] || { echo "gallery-dpi: runs headless only (unset DISPLAY)" >&2; exit 1; }

pieces=
for dpi in 96 144 192; do
    if [ "$dpi" = 96 ]; then
        tools/run.sh gallery >/dev/null
        shot=build/screenshots/gallery.png
    else
        VELMORA_DPI=$dpi tools/run.sh gallery 5 >/dev/null
        shot=build/screenshots/gallery-dpi$dpi.png
    fi
    # The form stands at (40, 40); its first 262 x 450 pixels at 96 DPI, as many more as it grew.
    w=$((262 * dpi / 96)) h=$((450 * dpi / 96))
    piece=build/screenshots/gallery-corner-$dpi.png
    convert "$shot" +repage -crop "${w}x$h+40+40" +repage "$piece"
    pieces="$pieces $piece"
done
# shellcheck disable=SC2086 # one word per piece
convert $pieces -background white -gravity north +append "$out"
echo "picture: $out"
