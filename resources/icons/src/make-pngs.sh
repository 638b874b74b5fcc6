#!/bin/sh
# Regenerates ../NAME.png from every NAME.xpm in this folder.
# Needs ImageMagick's convert (a development tool only; the program loads the PNGs).
# -strip drops time stamps so that an unchanged picture gives an identical file.
set -eu
cd "$(dirname "$0")"
for src in *.xpm; do
    convert "$src" -strip PNG32:"../${src%.xpm}.png"
done
