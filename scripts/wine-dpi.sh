#!/usr/bin/env bash
# Sets the display's scale of a Wine prefix for the programs started after it
# (each reads LogPixels as it starts):
#   wine-dpi.sh PREFIX PERCENT     (100 removes the setting: 96 DPI)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
key='HKCU\Control Panel\Desktop'
if [ "$2" = 100 ]; then
  "$here/wine-run.sh" "$1" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true
else
  "$here/wine-run.sh" "$1" reg add "$key" /v LogPixels /t REG_DWORD /d $(($2 * 96 / 100)) /f \
    >/dev/null
fi
