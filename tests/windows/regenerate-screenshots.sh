#!/bin/sh
# Rewrites docs/form1.png, docs/splash.png, docs/acercade.png and
# docs/receta.png from the windows as they open, rendered offscreen, and
# docs/hoja-de-corte.png and docs/hoja-de-corte-receta.png from the two pages
# of the diamond's cut sheet, a quarter of their 300 dpi size. Needs a build in
# BUILD (default build/) that includes the grab_windows and render_canvases
# targets, and ImageMagick.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD:-$root/build}"
cmake --build "$build" --target grab_windows render_canvases
QT_QPA_PLATFORM=offscreen "$build/tests/windows/grab_windows" "$root/docs"
rendered="$(mktemp -d)"
trap 'rm -rf "$rendered"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bench/render_canvases" "$rendered"
# The PNG sheet holds the A4 pages one above the other, 3508 pixels each.
for page in 0 1; do
    [ "$page" = 0 ] && name=hoja-de-corte || name=hoja-de-corte-receta
    convert "$rendered/diamond-sheet.png" -crop "2480x3508+0+$((page * 3508))" +repage \
        -resize 25% -strip "$root/docs/$name.png"
done
