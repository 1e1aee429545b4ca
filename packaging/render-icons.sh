#!/bin/sh
# Renders the program icon for the desktop's hicolor icon theme from the same
# SVG source as the 70x70 window picture, one PNG per standard theme size.
# Needs rsvg-convert (librsvg2-bin). The results are committed, so building
# and packaging need no converter.
set -eu
cd "$(dirname "$0")"
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" ../resources/pictures/src/corvelux.svg \
        -o "icons/corvelux-$size.png"
done
