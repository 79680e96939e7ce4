#!/usr/bin/env bash
# Ends the wineserver and the virtual display that wine-run.sh started for PREFIX.
prefix=$1
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
if [ -s "$prefix.display" ]; then
  kill "$(cut -d' ' -f2 "$prefix.display")" 2>/dev/null || true
  rm -f "$prefix.display" "$prefix.display.num"
fi
rm -f "$prefix/.booted" "$prefix.desktop"
exit 0
