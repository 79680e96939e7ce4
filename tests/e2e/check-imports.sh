#!/usr/bin/env bash
# The launcher may import only Windows' own core DLLs: any other DLL would be
# loaded, before any of its code runs, from the folder it was started from.
# The shell is loaded from the system folder when a button first needs it.
set -eu
exe=$1
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll"
imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no import table read from $exe"; exit 1; }
status=0
for dll in $imports; do
  case " $allowed " in
    *" $dll "*) echo "ok: $dll" ;;
    *) echo "NOT ALLOWED: $dll"; status=1 ;;
  esac
done
exit $status
