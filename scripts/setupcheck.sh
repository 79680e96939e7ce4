#!/usr/bin/env bash
# Checks an installation folder as the launcher will read it:
#   setupcheck.sh FOLDER
# Builds setupcheck.exe when needed and runs it under Wine in the build's
# prefix. Prints one finding a line and a summary; the exit status is
# setupcheck's own (0 without errors, 1 with errors, 2 for bad usage).
set -euo pipefail
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
folder=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUPCHECK_BUILD_DIR:-$root/build/windows}
cd "$root"
if [ ! -f "$build/build.ninja" ]; then
  scripts/bootstrap.sh
  cmake --preset windows -B "$build" >/dev/null
fi
cmake --build "$build" --target setupcheck >/dev/null
# Wine's drive Z: is the root of the host's file system.
exec "$root/scripts/wine-run.sh" "$build/wineprefix" "$build/tools/setupcheck/setupcheck.exe" \
  "Z:${folder//\//\\}"
