#!/bin/sh
# Rewrites docs/form1.png, docs/splash.png and docs/acercade.png from the
# windows as they open, rendered offscreen, and docs/hoja-de-corte.png from
# the diamond's cut sheet, a quarter of its 300 dpi size. Needs a build in
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
convert "$rendered/diamond-sheet.png" -resize 25% -strip "$root/docs/hoja-de-corte.png"
