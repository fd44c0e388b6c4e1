#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders icon.svg into the program's icon set: PNGs of 16 to 256 pixels in 32-bit colour,
# 256-colour variants of the four small sizes, and one .ico holding all ten images (the
# 256-pixel one stored as PNG), and a 512-pixel "maskable" one for the web app, which a phone
# may crop to a circle: the icon stands within its middle, on the window's colour. The results
# are committed; the build does not run this.
# Needs: librsvg2-bin (rsvg-convert), imagemagick (convert), icoutils (icotool).
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 24 32 48 128 256; do
    rsvg-convert -w "$size" -h "$size" icon.svg -o "icons/$size.png"
done
palette=()
for size in 16 24 32 48; do
    /usr/bin/convert "icons/$size.png" -colors 256 "PNG8:$work/$size-8bit.png"
    palette+=("$work/$size-8bit.png")
done
icotool --create --output=convertitore-pixel-cm.ico \
    "${palette[@]}" icons/16.png icons/24.png icons/32.png icons/48.png icons/128.png \
    --raw=icons/256.png
# The safe zone of a maskable icon is a circle of 80 % of its width: a square of 288 pixels
# fits in it.
rsvg-convert -w 288 -h 288 icon.svg -o "$work/288.png"
/usr/bin/convert -size 512x512 xc:'#d4d0c8' "$work/288.png" -gravity center -composite \
    -define png:exclude-chunks=date,time icons/maskable-512.png
