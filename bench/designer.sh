#!/usr/bin/env bash
# The designer's open time and drag frame times on the sample:
#   bench/designer.sh [RUNS [FRAMES]]
# Runs setupdesign.exe of this build under Wine on a copy of demo/ and prints
# the figures of bench/designer_probe.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${BENCH_BUILD_DIR:-$root/build/windows}
cmake --build "$build" -j2 --target setupdesign designer_probe >/dev/null
work=$root/run/designer-bench
rm -rf "$work"
mkdir -p "$work"
cp -r demo/. "$work/"
cp "$build/tools/setupdesign/setupdesign.exe" "$work/"
exec "$root/scripts/wine-run.sh" "$build/wineprefix" "$build/bench/designer_probe.exe" \
  "Z:${work//\//\\}" "$@"
