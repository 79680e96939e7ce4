#!/usr/bin/env bash
# Remakes the designer's screenshots in docs/ from the sample:
#   scripts/designer-screenshots.sh
# docs/designer.png: the first form, a button chosen, beside the panes;
# docs/designer-subform.png: the form its "More..." button opens.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCREENSHOTS_BUILD_DIR:-$root/build/windows}
cmake --build "$build" --target setupdesign designer_shots e2e_sample_copy >/dev/null
# A fixed folder: its name is in the window's title.
work=/tmp/sample-medium
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
cp -r "$build/tests/e2e/e2e_files/demo/." "$work/"
cp "$build/tools/setupdesign/setupdesign.exe" "$work/"
shoot() {
  "$root/scripts/wine-run.sh" "$build/wineprefix" "$build/tests/e2e/designer_shots.exe" \
    "Z:${work//\//\\}" "Z:${work//\//\\}\\shot.bmp" "$@"
}
shoot
convert "$work/shot.bmp" -strip -define png:exclude-chunks=date,time "$root/docs/designer.png"
shoot 5
convert "$work/shot.bmp" -strip -define png:exclude-chunks=date,time \
  "$root/docs/designer-subform.png"
echo "docs/designer.png, docs/designer-subform.png"
