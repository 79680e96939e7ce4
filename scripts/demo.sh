#!/usr/bin/env bash
# Builds launcher.exe, puts it beside a copy of the sample installation folder
# demo/ and runs it under Wine. With a display the real window opens; without
# one it runs on a virtual display and a screenshot of its window is saved
# (DEMO_SCREENSHOT names the file; DEMO_SECONDS how long to wait for the window;
# DEMO_BUILD_DIR another build folder than build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/bootstrap.sh
build=${DEMO_BUILD_DIR:-$root/build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target launcher sample_setup

run=$root/run/demo
rm -rf "$run" && mkdir -p "$run"
cp -r demo/. "$run/"
cp "$build/src/launcher.exe" "$run/launcher.exe"
# The sample installer, under the names the install buttons start.
mkdir -p "$run/setup"
for name in install database; do
  cp "$build/tools/sample_setup/sample_setup.exe" "$run/setup/$name.exe"
done
prefix=$build/wineprefix

# Every Windows system opens a .txt in Notepad; a new Wine prefix has no
# program for it, so the "Read me" button would fail there. (The first Wine run
# also sets up the prefix, its server and, without a display, the virtual one.)
"$root/scripts/wine-run.sh" "$prefix" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null
"$root/scripts/wine-run.sh" "$prefix" reg add 'HKCR\txtfile\shell\open\command' /ve \
  /d 'notepad.exe "%1"' /f >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  cd "$run" && exec "$root/scripts/wine-run.sh" "$prefix" launcher.exe "$@"
fi

# No display: run on the prefix's virtual display, take a screenshot, end it.
cd "$run"
display=$(cut -d' ' -f1 "$prefix.display")
"$root/scripts/wine-run.sh" "$prefix" launcher.exe "$@" &
launcher=$!
title=$(sed -n 's/^productName=//p' Setup.ini | tr -d '\r' | head -n1)

# The window's place on the screen, "WIDTHxHEIGHT+X+Y", once it is mapped.
window_geometry() {
  xwininfo -display "$display" -name "$title" 2>/dev/null | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} /Map State: IsViewable/ {v=1}
    END {if (v && w > 0) printf "%dx%d+%d+%d\n", w, h, x, y}' || true
}

# Wait for the window; stop waiting early if the launcher ends.
geometry=""
for _ in $(seq $((${DEMO_SECONDS:-10} * 10))); do
  kill -0 "$launcher" 2>/dev/null || break
  geometry=$(window_geometry)
  [ -n "$geometry" ] && break
  sleep 0.1
done
shot=${DEMO_SCREENSHOT:-$root/run/demo-screenshot.png}
if [ -n "$geometry" ]; then
  sleep 1 # let the buttons' first paint finish
  import -display "$display" -window root -crop "$geometry" +repage \
    -define png:exclude-chunks=date,time "$shot"
  echo "The launcher is running; screenshot of its window ($geometry): $shot"
elif kill -0 "$launcher" 2>/dev/null; then
  import -display "$display" -window root -define png:exclude-chunks=date,time "$shot"
  echo "The launcher is running but its window \"$title\" was not found; screenshot of the screen: $shot"
else
  wait "$launcher" && status=0 || status=$?
  echo "The launcher ended on its own with exit status $status."
fi
"$root/scripts/wine-stop.sh" "$prefix"
