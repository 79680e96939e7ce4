#!/usr/bin/env bash
# Draws the sample's background picture, demo/background.png: 640 x 400, a
# deep blue gradient with soft light bands, the product's name, and rounded
# corners that fade out through the alpha channel. The launcher blends such a
# picture by its alpha, so the corners show what lies behind the window.
# Deterministic: no time stamps in the file, fonts from Debian's packages.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-demo/background.png}
font=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
font_regular=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The face: gradient, two translucent light bands, a panel behind the buttons.
convert -size 640x400 gradient:'#16306a-#071433' \
  \( -size 640x400 xc:none -fill 'rgba(120,170,255,0.10)' \
     -draw 'polygon 0,300 640,120 640,190 0,370' \
     -fill 'rgba(120,170,255,0.07)' -draw 'polygon 0,340 640,200 640,230 0,380' \) \
  -compose over -composite \
  -fill 'rgba(255,255,255,0.06)' -draw 'roundrectangle 384,48 624,344 12,12' \
  -font "$font" -pointsize 38 -fill white -annotate +32+92 'Sample Product' \
  -font "$font_regular" -pointsize 17 -fill '#b8cdf5' \
  -annotate +34+124 'Everything you need, on one disc.' \
  -fill '#6f8fd0' -draw 'rectangle 34,140 154,142' \
  "$work/face.png"

# Rounded corners of radius 20 with a two-pixel soft edge.
convert -size 640x400 xc:black -fill white -draw 'roundrectangle 0,0 639,399 20,20' \
  -blur 0x1 "$work/mask.png"

convert "$work/face.png" "$work/mask.png" -alpha off -compose copy_opacity -composite \
  -define png:exclude-chunks=date,time -define png:color-type=6 -strip "$work/deep.png"
# Drawn at 16 bits a sample; held at 8. Written at 8, every decoder takes the
# file at its own depth, and a launcher loads it without a conversion.
python3 scripts/png-to-8-bit.py "$work/deep.png" "$out"
echo "$out"
