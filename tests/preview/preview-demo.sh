#!/usr/bin/env bash
# The preview of the sample folder demo/: one page per form and language and a
# contact sheet per language, and Japanese captions drawn with Japanese glyphs.
#   preview-demo.sh BUILD_DIR WORK_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export PREVIEW_BUILD_DIR=$1 PREVIEW_SKIP_BUILD=1
work=$2
ini=$root/demo/Setup.ini
languages=(EN FR DE ES IT JA)
forms=(main more)
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$work"
"$root/scripts/preview.sh" "$root/demo" "$work/pages"

# Exactly one page per form and language, each the size of the picture, and a sheet per language.
for lang in "${languages[@]}"; do
  for form in "${forms[@]}"; do
    page=$work/pages/$lang/$form.png
    [ -f "$page" ] || { fail "no page $page"; continue; }
    size=$(identify -format '%wx%h' "$page")
    [ "$size" = 640x400 ] || fail "$page is $size, not the picture's 640x400"
  done
  [ -f "$work/pages/$lang.png" ] || fail "no contact sheet $work/pages/$lang.png"
done
pages=$(find "$work/pages" -mindepth 2 -name '*.png' | wc -l)
[ "$pages" -eq $((${#languages[@]} * ${#forms[@]})) ] || fail "$pages pages instead of 12"

# The Japanese pages once more, as a Western system draws them: the same bytes
# read in code page 1252 and drawn as Western characters.
PREVIEW_LOCALE=en_US.UTF-8 "$root/scripts/preview.sh" "$root/demo" "$work/western" JA

# The rectangles "x y width height" of a form's buttons in demo/Setup.ini.
buttons_of() {
  tr -d '\r' <"$ini" | awk -F= -v form="$1" '
    /^\[/ { section = tolower(substr($0, 2, index($0, "]") - 2)); next }
    section ~ "^" form "\\.button[0-9]+$" && $1 ~ /^(x|y|width|height)$/ {
      value[section, $1] = $2; seen[section] = 1 }
    END { for (s in seen) print value[s, "x"], value[s, "y"], value[s, "width"], value[s, "height"] }'
}

# The dark pixels of a caption, inside the button's bevel, as a black-on-white mask.
caption_ink() { # PAGE X Y WIDTH HEIGHT MASK
  convert "$1" -crop "$(($4 - 8))x$(($5 - 8))+$(($2 + 4))+$(($3 + 4))" +repage \
    -colorspace gray -threshold 50% "$6"
}
ink_count() {
  convert "$1" -format '%[fx:round((1-mean)*w*h)]' info:
}

# Legible Japanese: each caption has ink, and at least half of it lies where
# the Western characters have none or the other way round. Captions drawn as
# Western characters match their Western rendering pixel for pixel.
for form in "${forms[@]}"; do
  while read -r x y width height; do
    caption_ink "$work/pages/JA/$form.png" "$x" "$y" "$width" "$height" "$work/ja.png"
    caption_ink "$work/western/JA/$form.png" "$x" "$y" "$width" "$height" "$work/western.png"
    ink=$(ink_count "$work/ja.png")
    differing=$(compare -metric AE "$work/ja.png" "$work/western.png" null: 2>&1 || true)
    echo "JA $form button at $x,$y: $ink ink pixels, $differing differ from the Western glyphs"
    [ "$ink" -ge 20 ] || fail "JA $form: the caption at $x,$y is (nearly) empty"
    [ "$((differing * 2))" -ge "$ink" ] ||
      fail "JA $form: the caption at $x,$y is drawn as Western characters"
  done < <(buttons_of "$form")
done

if [ "$failures" -gt 0 ]; then
  echo "$failures checks failed; the pages are in $work" >&2
  exit 1
fi
echo "The preview of demo/: $pages pages, legible Japanese"
