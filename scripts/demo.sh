#!/usr/bin/env bash
# Builds launcher.exe, puts it beside a copy of the sample installation folder
# demo/ and runs it under Wine. With a display the real window opens; without
# one it runs on a virtual display and a screenshot is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/bootstrap.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target launcher

run=$root/run/demo
rm -rf "$run" && mkdir -p "$run"
cp -r demo/. "$run/"
cp build/windows/src/launcher.exe "$run/launcher.exe"
prefix=$root/build/windows/wineprefix

if [ -n "${DISPLAY:-}" ]; then
  cd "$run" && exec "$root/scripts/wine-run.sh" "$prefix" launcher.exe "$@"
fi

# No display: run on the prefix's virtual display, take a screenshot, end it.
cd "$run"
"$root/scripts/wine-run.sh" "$prefix" launcher.exe "$@" &
launcher=$!
# Give the window time to appear; stop waiting early if the launcher ends.
for _ in $(seq $((${DEMO_SECONDS:-4} * 10))); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
display=$(cut -d' ' -f1 "$prefix.display")
shot=$root/run/demo-screenshot.png
if kill -0 "$launcher" 2>/dev/null; then
  import -display "$display" -window root "$shot"
  echo "The launcher is running; screenshot: $shot"
else
  wait "$launcher" && status=0 || status=$?
  echo "The launcher ended on its own with exit status $status."
fi
"$root/scripts/wine-stop.sh" "$prefix"
