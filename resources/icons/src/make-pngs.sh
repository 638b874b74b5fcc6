#!/bin/sh
# Regenerates ../NAME.png from every NAME.xpm in this folder, and the program
# icon's larger sizes (64, 128 and 256 px) from its 32 px picture, scaled up by
# whole pixels so that they stay as sharp as the picture they come from.
# Needs ImageMagick's convert (a development tool only; the program loads the PNGs).
# -strip drops time stamps so that an unchanged picture gives an identical file.
set -eu
cd "$(dirname "$0")"
for src in *.xpm; do
    convert "$src" -strip PNG32:"../${src%.xpm}.png"
done
for size in 64 128 256; do
    convert glyphsmith-32.xpm -filter point -resize "${size}x${size}" -strip PNG32:"../glyphsmith-$size.png"
done
