#!/usr/bin/env bash
# The peak working set of one held picture, for square pictures of several
# sizes, as PNG (24-bit and with alpha) and 24-bit BMP:
#   bench/picture-peak.sh [SIZE...]     (default 4000 8000 12000)
# Columns: file, size, peak MB, held MB after the load, MB before it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${BENCH_BUILD_DIR:-$root/build/windows}
cmake --build "$build" -j2 --target picture_peak >/dev/null
work=$root/run/picture-peak
mkdir -p "$work"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(4000 8000 12000)
for size in "${sizes[@]}"; do
  for kind in png png-alpha bmp; do
    file=$work/$kind-$size.${kind%-alpha}
    [ -f "$file" ] || python3 - "$file" "$size" "$kind" <<'PY'
import sys
sys.path.insert(0, "tests/hostile")
import hostile_pictures as pic
path, size, kind = sys.argv[1], int(sys.argv[2]), sys.argv[3]
data = {"png": lambda: pic.png(size, size), "png-alpha": lambda: pic.png(size, size, colour_type=6),
        "bmp": lambda: pic.bmp(size, size)}[kind]()
open(path, "wb").write(data)
PY
    printf '%s\t' "$(basename "$file")"
    # A picture that cannot be held is a line of the table too.
    "$root/scripts/wine-run.sh" "$build/wineprefix" "$build/bench/picture_peak.exe" \
      "Z:${file//\//\\}" || true
  done
done
