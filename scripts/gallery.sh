#!/usr/bin/env bash
# Builds the gallery program, runs it under Wine and writes docs/controls.png:
# the shaded buttons' nine effects at rest and under the mouse, and label looks.
# GALLERY_BUILD names another build folder than build/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/bootstrap.sh
build=$root/${GALLERY_BUILD:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target gallery
prefix=$build/wineprefix

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$root/scripts/wine-run.sh" "$prefix" "$build/tools/gallery/gallery.exe" controls.bmp)
"$root/scripts/wine-stop.sh" "$prefix"
mkdir -p docs
# No time stamps in the file, so that an unchanged picture stays byte for byte the same.
convert "$work/controls.bmp" -strip -define png:exclude-chunks=date,time docs/controls.png
echo "Wrote docs/controls.png"
