#!/bin/sh
# Renders the program's pictures from their SVG sources in src/.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick 6 at /usr/bin/convert.
# The results are committed, so building the program needs neither tool.
set -eu
cd "$(dirname "$0")"
CONVERT=/usr/bin/convert
IDENTIFY=/usr/bin/identify
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Every source paints an opaque background, so "-alpha off" below loses nothing.
render() { # name width height -> $tmp/name.png
    rsvg-convert -w "$2" -h "$3" "src/$1.svg" -o "$tmp/$1.png"
}

render corvelux 70 70
$CONVERT "$tmp/corvelux.png" -alpha off -type TrueColor BMP3:corvelux.bmp
$CONVERT "$tmp/corvelux.png" -alpha off -type TrueColor -define png:color-type=2 -strip corvelux.png

render diamante 59 59
$CONVERT "$tmp/diamante.png" -alpha off -type TrueColor BMP3:diamante.bmp

render cuarzo 105 123
# Plain quantisation keeps the flat background free of dither noise and
# leaves more than 128 colours, so the GIF carries a full 256-entry palette.
$CONVERT "$tmp/cuarzo.png" -alpha off +dither -colors 256 GIF:cuarzo.gif
entries=$($IDENTIFY -verbose cuarzo.gif | sed -n 's/^ *Colormap entries: //p')
[ "$entries" = 256 ] || { echo "cuarzo.gif has $entries palette entries, not 256" >&2; exit 1; }

render acercade 102 100
$CONVERT "$tmp/acercade.png" -alpha off -strip -quality 92 acercade.jpg
