#!/usr/bin/env bash
# Renders every form of an installation folder in every language of its
# Setup.ini, as the launcher itself draws them:
#   scripts/preview.sh [--scale PERCENT] FOLDER [OUTDIR [LANG...]]
# writes OUTDIR/LANG/FORM.png for each form it reaches from "main" through the
# subform buttons, and OUTDIR/LANG.png, a labelled contact sheet of them.
# OUTDIR defaults to run/preview; LANG... to every two-letter section.
# --scale 150 draws the pages on a display of that scale (144 DPI), as the
# launcher draws them there.
#
# The real launcher.exe runs under Wine on the build's virtual display, once
# per language, beside the folder's files (linked, not copied), and each
# language runs under a system locale of its own code page, so Japanese texts
# are read in code page 932 as on a Japanese system.
#   PREVIEW_LOCALE      one locale for every language instead (LC_ALL syntax),
#                       to see the pages as a system of that locale shows them
#   PREVIEW_BUILD_DIR   another build folder than build/windows
#   PREVIEW_SKIP_BUILD  set: use the programs already built there
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scale=100
if [ "${1:-}" = --scale ]; then
  scale=${2:-}
  shift 2 || true
  if ! [[ $scale =~ ^[0-9]+$ ]] || [ "$scale" -lt 100 ] || [ "$scale" -gt 400 ]; then
    echo "--scale takes a percentage from 100 to 400." >&2
    exit 2
  fi
fi
if [ $# -lt 1 ] || [ ! -f "$1/Setup.ini" ]; then
  echo "usage: $0 [--scale PERCENT] FOLDER [OUTDIR [LANG...]]  (FOLDER holds Setup.ini)" >&2
  exit 2
fi
folder=$(cd "$1" && pwd)
out=${2:-$root/run/preview}
shift $(($# < 2 ? $# : 2))
mkdir -p "$out"
out=$(cd "$out" && pwd)
build=${PREVIEW_BUILD_DIR:-$root/build/windows}

if [ -z "${PREVIEW_SKIP_BUILD:-}" ]; then
  "$root/scripts/bootstrap.sh"
  (cd "$root" && cmake --preset windows -B "$build" >/dev/null)
  cmake --build "$build" --target launcher preview
fi
prefix=$build/wineprefix
label_font=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf

# The language sections in the order of the file, each once (section names
# match without regard to case).
languages() {
  tr -d '\r' <"$folder/Setup.ini" |
    sed -n 's/^[[:space:]]*\[\([A-Za-z][A-Za-z]\)\][[:space:]]*$/\1/p' |
    awk '!seen[toupper($0)]++'
}

# The locale of a system of the language: its code page decides how the
# section's bytes are read. Languages not listed are read as Western text.
locale_of() {
  case ${1^^} in
    JA) echo ja_JP.UTF-8 ;;
    ZH) echo zh_CN.UTF-8 ;;
    KO) echo ko_KR.UTF-8 ;;
    RU) echo ru_RU.UTF-8 ;;
    UK) echo uk_UA.UTF-8 ;;
    BG) echo bg_BG.UTF-8 ;;
    EL) echo el_GR.UTF-8 ;;
    TR) echo tr_TR.UTF-8 ;;
    PL) echo pl_PL.UTF-8 ;;
    CS) echo cs_CZ.UTF-8 ;;
    HU) echo hu_HU.UTF-8 ;;
    HE) echo he_IL.UTF-8 ;;
    AR) echo ar_SA.UTF-8 ;;
    TH) echo th_TH.UTF-8 ;;
    *) echo en_US.UTF-8 ;;
  esac
}

if [ $# -gt 0 ]; then
  requested=("$@")
else
  mapfile -t requested < <(languages)
fi
if [ ${#requested[@]} -eq 0 ]; then
  echo "$folder/Setup.ini has no language section such as [EN]." >&2
  exit 1
fi

# Always the prefix's virtual display: pages of a fixed screen, nothing over
# them. Its server and display are ended afterwards unless they ran before.
unset DISPLAY
wine_was_running=false
if [ -s "$prefix.display" ] && kill -0 "$(cut -d' ' -f2 "$prefix.display")" 2>/dev/null; then
  wine_was_running=true
fi
work=$(mktemp -d)
finish() {
  [ "$scale" = 100 ] || "$root/scripts/wine-dpi.sh" "$prefix" 100
  rm -rf "$work"
  $wine_was_running || "$root/scripts/wine-stop.sh" "$prefix"
}
trap finish EXIT
[ "$scale" = 100 ] || "$root/scripts/wine-dpi.sh" "$prefix" "$scale"

# The folder's files beside a launcher.exe of this build.
cp -rs "$folder/." "$work/medium/"
rm -f "$work/medium/launcher.exe"
cp "$build/src/launcher.exe" "$work/medium/launcher.exe"

status=0
for lang in "${requested[@]}"; do
  pages=$work/pages/$lang
  mkdir -p "$pages"
  if ! (cd "$work" && LC_ALL=${PREVIEW_LOCALE:-$(locale_of "$lang")} \
        "$root/scripts/wine-run.sh" "$prefix" "$build/tools/preview/preview.exe" \
        medium "$lang" "pages/$lang" >"$pages.list"); then
    echo "$lang: not every form could be rendered." >&2
    status=1
  fi
  mkdir -p "$out/$lang"
  rm -f "$out/$lang"/*.png "$out/$lang.png"
  sheet=()
  while IFS=$'\t' read -r stem form; do
    # No time stamps in the files: an unchanged page stays byte for byte the same.
    convert "$pages/$stem.bmp" -strip -define png:exclude-chunks=date,time "$out/$lang/$stem.png"
    # The label is taken literally: no % escapes, no @file to read.
    label=${form//%/%%}
    [ "${label:0:1}" = @ ] && label="\\$label"
    sheet+=(-label "$label" "$out/$lang/$stem.png")
  done < <(tr -d '\r' <"$pages.list")
  forms=$((${#sheet[@]} / 3))
  if [ $forms -gt 0 ]; then
    montage -font "$label_font" -pointsize 16 -background '#e8e8e8' -title "$lang" \
      "${sheet[@]}" -tile "$((forms < 3 ? forms : 3))x" -geometry +10+10 \
      -strip -define png:exclude-chunks=date,time "$out/$lang.png"
    echo "$lang: $forms forms in $out/$lang/, contact sheet $out/$lang.png"
  fi
done

exit $status
