#!/usr/bin/env bash
# Start-up benchmark: the time from process start to the first complete paint
# of the first form, for launcher.exe on the sample folder demo/ and for a bare
# Win32 window of the same size showing the same face (the floor), bare and
# with plain buttons where the launcher has its own, as medians
# of interleaved runs in one Wine session; the time of a full repaint of the
# shown window and the working set after the first paint, for each; then the
# stripped size of launcher.exe. Goals: first paint <= 1.15 x the bare window,
# repaint and working set <= 1.2 x a window with plain buttons where the
# launcher has its buttons, size <= 300 KB.
#   bench/startup.sh [RUNS]     (default 25; BENCH_BUILD_DIR: build folder;
#                                BENCH_SCALE=150: on a display scaled to 150 %)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-25}
build=${BENCH_BUILD_DIR:-$root/build/bench}
scripts/bootstrap.sh
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j2 --target launcher floor_window startup_probe >/dev/null

work=$root/run/bench
rm -rf "$work" && mkdir -p "$work"
cp -r demo/. "$work/"
cp "$build/src/launcher.exe" "$build/bench/floor_window.exe" "$work/"
prefix=$build/wineprefix
# The display's scale is the prefix's LogPixels; the floor window knows
# nothing of it and stays at its size.
scale=${BENCH_SCALE:-100}
trap '[ "$scale" = 100 ] || "$root/scripts/wine-dpi.sh" "$prefix" 100; "$root/scripts/wine-stop.sh" "$prefix"' EXIT
[ "$scale" = 100 ] || "$root/scripts/wine-dpi.sh" "$prefix" "$scale"
echo "display scale: $scale %"

cd "$work"
"$root/scripts/wine-run.sh" "$prefix" "$build/bench/startup_probe.exe" "$runs" .

stripped=$(mktemp)
i686-w64-mingw32-strip -o "$stripped" "$build/src/launcher.exe"
bytes=$(stat -c %s "$stripped")
rm -f "$stripped"
echo "launcher.exe stripped: $bytes bytes ($((bytes / 1024)) KB; goal <= 300 KB)"
