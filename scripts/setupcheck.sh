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
BUILD_DIR=${SETUPCHECK_BUILD_DIR:-${BUILD_DIR:-}} exec "$(dirname "$0")/run-author-tool.sh" setupcheck "$1"
