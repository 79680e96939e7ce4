#!/usr/bin/env bash
# Draws the launcher's own artwork into src/res: the program icon and the header
# picture of the database password dialog (418 x 59 pixels, 256 colours).
# Both are stored compressed, as the system reads them: the picture run-length
# encoded (its rows are mostly one colour), the icon's images as PNG.
# Reproducible: the same ImageMagick gives the same bytes, so the results are
# committed and this is run only when the artwork changes.
set -euo pipefail
res=$(cd "$(dirname "$0")/../src/res" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Header: a deep blue to teal band with a soft light arc and a row of discs.
convert -size 418x59 gradient:'#10285a-#1d7f8c' \
        -fill 'rgba(255,255,255,0.10)' -draw 'ellipse 330,90 190,70 180,360' \
        -fill 'rgba(255,255,255,0.18)' -draw 'ellipse 330,90 150,52 180,360' \
        -fill '#f2b632' -draw 'circle 372,29 384,29' \
        -fill '#e8e8f0' -draw 'circle 398,29 404,29' \
        -fill '#e8e8f0' -draw 'circle 346,29 352,29' \
        "$tmp/header.png"
convert "$tmp/header.png" -dither None -colors 256 -type Palette -define bmp:format=bmp3 \
        -compress RLE BMP3:"$res/header.bmp"

# Icon: a rounded blue tile with a gold disc, at 48, 32 and 16 pixels.
convert -size 256x256 xc:none \
        -fill '#1d4f91' -draw 'roundrectangle 16,16 239,239 40,40' \
        -fill '#1d7f8c' -draw 'roundrectangle 16,128 239,239 40,40' \
        -fill '#1d7f8c' -draw 'rectangle 16,128 239,200' \
        -fill '#f2b632' -draw 'circle 128,128 128,64' \
        -fill '#ffffff' -draw 'polygon 108,96 108,160 164,128' \
        "$tmp/icon.png"
for size in 48 32 16; do
  convert "$tmp/icon.png" -filter Box -resize ${size}x${size} -strip \
          -define png:exclude-chunks=all -define png:compression-level=9 PNG32:"$tmp/icon-$size.png"
done
# An icon file whose entries are the PNG files themselves.
python3 - "$res/launcher.ico" "$tmp"/icon-{48,32,16}.png <<'ICON'
import struct, sys
images = [open(path, "rb").read() for path in sys.argv[2:]]
with open(sys.argv[1], "wb") as ico:
    ico.write(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image in images:
        width, height = struct.unpack(">II", image[16:24])
        ico.write(struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset))
        offset += len(image)
    for image in images:
        ico.write(image)
ICON
