#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix private to the build folder:
#   wine-run.sh PREFIX PROGRAM [ARGS...]
# The first call prepares the prefix (fonts, no crash dialog, unmanaged windows),
# starts a virtual display when there is none, and keeps one wineserver alive, so
# that later calls start in a few hundredths of a second and never hold the
# caller's pipes open. wine-stop.sh PREFIX ends both.
set -eu
prefix=$1
shift
here=$(cd "$(dirname "$0")" && pwd)

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
mkdir -p "$prefix"

exec 9>"$prefix.lock"
flock 9
# What is started below may outlive this script, and never holds the lock
# (9>&-): a run killed half-way must not leave every later run waiting.
if [ -z "${DISPLAY:-}" ]; then
  if [ -s "$prefix.display" ] && kill -0 "$(cut -d' ' -f2 "$prefix.display")" 2>/dev/null; then
    :
  else
    exec 8> >(cat >"$prefix.display.num")
    Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
    xvfb_pid=$!
    exec 8>&-
    for _ in $(seq 100); do [ -s "$prefix.display.num" ] && break; sleep 0.05; done
    echo ":$(cat "$prefix.display.num") $xvfb_pid" >"$prefix.display"
  fi
  export DISPLAY=$(cut -d' ' -f1 "$prefix.display")
fi
# Prepares a new prefix, and adds later preparation steps to an older one.
"$here/wine-prefix.sh" "$prefix" 9>&-
# A persistent server (a no-op when one already runs for this prefix) and the
# prefix's services, started with no pipes of the caller attached.
wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
# The desktop process of this prefix (another build folder's does not count).
desktop_running() {
  [ -s "$prefix.desktop" ] && kill -0 "$(cat "$prefix.desktop")" 2>/dev/null
}
if [ ! -f "$prefix/.booted" ] || ! desktop_running; then
  wine wineboot </dev/null >/dev/null 2>&1 9>&- || true
  # The desktop window's process, which the first window of any program would
  # otherwise start, and lose again when that program's caller ends it.
  setsid wine explorer.exe /desktop </dev/null >/dev/null 2>&1 9>&- &
  echo $! >"$prefix.desktop"
  for _ in $(seq 100); do
    pgrep -f "explorer.exe /desktop" >/dev/null && break
    sleep 0.05
  done
  touch "$prefix/.booted"
fi
flock -u 9
exec 9>&-

exec wine "$@"
