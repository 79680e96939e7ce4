#!/usr/bin/env bash
# Prepares a new win32 Wine prefix for the launcher and its tests.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i </dev/null >/dev/null 2>&1
# Debian's Wine does not find its own fonts: without them "MS Shell Dlg" has no face.
cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
REG
wine regedit /S "$reg" </dev/null >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$prefix/.prepared"
