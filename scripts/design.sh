#!/usr/bin/env bash
# Opens an installation folder in the medium designer:
#   design.sh FOLDER
# Builds setupdesign.exe when needed and runs it under Wine in the build's
# prefix, on the display of this session (DISPLAY), or on the prefix's own
# virtual display when there is none.
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "$1/Setup.ini" ]; then
  echo "usage: $0 FOLDER  (FOLDER holds Setup.ini)" >&2
  exit 2
fi
folder=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUPDESIGN_BUILD_DIR:-$root/build/windows}
cd "$root"
if [ ! -f "$build/build.ninja" ]; then
  scripts/bootstrap.sh
  cmake --preset windows -B "$build" >/dev/null
fi
cmake --build "$build" --target setupdesign >/dev/null
# Wine's drive Z: is the root of the host's file system.
exec "$root/scripts/wine-run.sh" "$build/wineprefix" "$build/tools/setupdesign/setupdesign.exe" \
  "Z:${folder//\//\\}"
