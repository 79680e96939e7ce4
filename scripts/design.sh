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
BUILD_DIR=${SETUPDESIGN_BUILD_DIR:-${BUILD_DIR:-}} exec "$(dirname "$0")/run-author-tool.sh" setupdesign "$1"
