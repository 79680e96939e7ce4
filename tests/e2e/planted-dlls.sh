#!/usr/bin/env bash
# Plants canary DLLs named like the libraries the launcher loads at run time
# beside launcher.exe in a copy of the sample folder, tells Wine to prefer DLLs
# found there, runs the launcher until its form has been shown and checks that
# no canary was loaded. A probe that searches the classic way must load them,
# which shows the planting works.
#   planted-dlls.sh WINE_RUN_SCRIPT PREFIX LAUNCHER CANARY PROBE WORKDIR
set -eu
wine_run=$1 prefix=$2 launcher=$3 canary=$4 probe=$5 work=$6
sample=$(cd "$(dirname "$0")/../../demo" && pwd)
names="gdiplus msimg32 riched32 riched20"
rm -rf "$work" && mkdir -p "$work"
cp -r "$sample/." "$work/"
cp "$launcher" "$work/launcher.exe"
cp "$probe" "$work/probe.exe"
for n in $names; do cp "$canary" "$work/$n.dll"; done
export WINEDLLOVERRIDES="gdiplus,msimg32,riched32,riched20=n,b;mscoree,mshtml=;winemenubuilder.exe=d"

# The probe loads each by bare name: every canary must report.
(cd "$work" && "$wine_run" "$prefix" probe.exe $(for n in $names; do echo "$n.dll"; done))
for n in $names; do
  [ -f "$work/$n.dll.loaded" ] || { echo "probe did not load the planted $n.dll: test set-up broken"; exit 1; }
  rm -f "$work/$n.dll.loaded"
done

# The launcher decodes and paints its picture, then waits for the user: wait
# for its form (long enough for a loaded machine), then end it. A run that
# never reached its form proves nothing about the libraries it loads there.
title=$(sed -n 's/^productName=//p' "$work/Setup.ini" | head -n 1 | tr -d '\r')
(cd "$work" && exec "$wine_run" "$prefix" launcher.exe EN) &
launcher=$!
display=${DISPLAY:-$(cut -d' ' -f1 "$prefix.display" 2>/dev/null)}
shown=no
for _ in $(seq 600); do
  if ! kill -0 "$launcher" 2>/dev/null; then break; fi
  if xwininfo -display "$display" -root -tree 2>/dev/null | grep -qF "\"$title\""; then
    shown=yes
    sleep 1 # the first paint, with its blending, follows the window
    break
  fi
  sleep 0.1
done
kill "$launcher" 2>/dev/null || true
wait "$launcher" 2>/dev/null || true
[ $shown = yes ] || { echo "the launcher's form did not appear within 60 s"; exit 1; }

status=0
for n in $names; do
  if [ -f "$work/$n.dll.loaded" ]; then echo "launcher loaded the planted $n.dll"; status=1; fi
done
[ $status -eq 0 ] && echo "no planted DLL was loaded"
exit $status
