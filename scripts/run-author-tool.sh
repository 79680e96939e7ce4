#!/usr/bin/env bash
# Builds one of the author's programs when needed and runs it under Wine in the
# build's prefix on an installation folder:
#   run-author-tool.sh TARGET FOLDER
# TARGET is the CMake target, built as tools/TARGET/TARGET.exe; the build
# folder is $BUILD_DIR, else build/windows. The exit status is the program's own.
set -euo pipefail
target=$1
folder=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/windows}
cd "$root"
if [ ! -f "$build/build.ninja" ]; then
  scripts/bootstrap.sh
  cmake --preset windows -B "$build" >/dev/null
fi
cmake --build "$build" --target "$target" >/dev/null
# Wine's drive Z: is the root of the host's file system.
exec "$root/scripts/wine-run.sh" "$build/wineprefix" "$build/tools/$target/$target.exe" \
  "Z:${folder//\//\\}"
