#!/usr/bin/env bash
# Prepares a win32 Wine prefix for the launcher and its tests. Idempotent: a
# new prefix is set up once (marker .prepared); later steps are added to
# prefixes prepared before them.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
fresh=false
[ -f "$prefix/.prepared" ] || fresh=true

import_registry() {
  local reg
  reg=$(mktemp --suffix=.reg)
  cat >"$reg"
  wine regedit /S "$reg" </dev/null >/dev/null 2>&1
  rm -f "$reg"
}

if $fresh; then
  wineboot -i </dev/null >/dev/null 2>&1
  # Debian's Wine does not find its own fonts: without them "MS Shell Dlg" has no face.
  cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  import_registry <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
REG
fi

# A Japanese face where a Japanese system has one. In code page 932 Wine links
# Tahoma, "Microsoft Sans Serif" and "Lucida Sans Unicode" to the file
# MSGOTHIC.TTC of the face "MS UI Gothic" (and "MS Shell Dlg" stands for that
# face), so that Japanese texts drawn with them get Japanese glyphs; Debian's
# IPAGothic takes that file name and face name. Without the link such texts are
# drawn as Western characters. In other code pages nothing changes: those
# faces have every Western character themselves. The file comes last, so its
# presence tells that the step is done.
japanese_face=$prefix/drive_c/windows/Fonts/msgothic.ttc
ipa_gothic=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
if [ ! -f "$japanese_face" ]; then
  if [ -f "$ipa_gothic" ]; then
    import_registry <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
REG
    cp "$ipa_gothic" "$japanese_face"
  else
    echo "wine-prefix.sh: $ipa_gothic is missing (scripts/bootstrap.sh installs it)" >&2
  fi
fi

# Focus cues hidden until the keyboard is used, as Windows has them by default;
# Wine's default shows them always (bit 0x20 of the mask's first byte).
if [ ! -f "$prefix/.keyboard-cues-hidden" ]; then
  import_registry <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Control Panel\Desktop]
"UserPreferencesMask"=hex:10,00,02,80,12,00,00,00
REG
  touch "$prefix/.keyboard-cues-hidden"
fi

if $fresh; then
  wineserver -w
  touch "$prefix/.prepared"
fi
