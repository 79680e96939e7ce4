#!/usr/bin/env bash
# Turns a checked installation folder into a medium:
#   scripts/make-medium.sh FOLDER OUT [--label LABEL] [--force]
# OUT ending in .iso: a disc image (ISO 9660 with Joliet and Rock Ridge, so
# long and non-ASCII names survive); otherwise OUT is a folder to copy onto a
# USB stick as it is. Either way the medium gets an autorun.inf at its root
# (open the launcher, its icon, the label) unless FOLDER has one of its own.
# The label is LABEL, or else made from [main] productName of FOLDER's
# Setup.ini to fit the medium (and printed).
#
# FOLDER is checked first with scripts/setupcheck.sh; an error there, a label
# or a file name the medium cannot hold stops it with exit status 1 and
# nothing written. FOLDER is never changed. An existing OUT is replaced only
# with --force, and only when this script wrote it: an image carries its mark
# as application id, a USB copy a .medium-copy file listing what it holds.
# Anything else is left as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  echo "usage: $0 FOLDER OUT [--label LABEL] [--force]" >&2
  exit 2
}
fail() {
  echo "make-medium: $*" >&2
  exit 1
}

positional=()
label=""
label_given=false
force=false
while [ $# -gt 0 ]; do
  case $1 in
    --label) [ $# -ge 2 ] || usage; label=$2; label_given=true; shift ;;
    --force) force=true ;;
    -*) usage ;;
    *) positional+=("$1") ;;
  esac
  shift
done
[ ${#positional[@]} -eq 2 ] || usage
[ -d "${positional[0]}" ] || fail "no such folder: ${positional[0]}"
folder=$(cd "${positional[0]}" && pwd)
out=$(realpath -m "${positional[1]}")
medium=usb
[[ ${out,,} == *.iso ]] && medium=iso

# OUT must not be FOLDER, nor lie inside it, nor hold it: --force would destroy it.
case "$out/" in "$folder/"*) fail "$out lies in $folder, which is never changed" ;; esac
case "$folder/" in "$out/"*) fail "$out holds $folder, which is never changed" ;; esac
rules() { python3 "$root/scripts/medium-rules.py" "$@"; }
# The application id of the images this script writes: what --force may replace.
image_mark=MAKE-MEDIUM
if [ -e "$out" ]; then
  $force || fail "$out exists; pass --force to replace it"
  rules ours "$out" "$image_mark" || fail "no medium written"
fi

echo "make-medium: checking $folder"
"$root/scripts/setupcheck.sh" "$folder" || fail "setupcheck found errors in $folder; no medium written"

if ! $label_given; then
  label=$(rules derive "$medium" "$folder") || fail "no medium written"
  echo "make-medium: label \"$label\", made from the productName (give your own with --label)"
fi
rules label "$medium" "$label" || fail "no medium written"
rules names "$medium" "$folder" || fail "no medium written"

# The autorun.inf the medium gets, unless FOLDER has one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
autorun=""
if [ -z "$(find "$folder" -maxdepth 1 -iname autorun.inf)" ]; then
  launcher=$(rules launcher "$folder") || fail "no medium written"
  autorun=$work/autorun.inf
  {
    # open= is a command line: quoted, for a name with a blank.
    printf '[autorun]\r\nopen="%s"\r\nicon=%s,0\r\n' "$launcher" "$launcher"
    [ -z "$label" ] || printf 'label=%s\r\n' "$label"
  } >"$autorun"
fi

# Written beside OUT under a name no one can foresee, then put in its place.
mkdir -p "$(dirname "$out")"
partial_template=$(dirname "$out")/.$(basename "$out").partial-XXXXXX
if [ $medium = iso ]; then
  partial=$(mktemp "$partial_template")
  mode=$((0666 & ~$(umask)))
else
  partial=$(mktemp -d "$partial_template")
  mode=$((0777 & ~$(umask)))
fi
trap 'rm -rf "$work" "$partial"' EXIT
if [ $medium = iso ]; then
  map_autorun=()
  [ -z "$autorun" ] || map_autorun=(-map "$autorun" /autorun.inf)
  xorriso -report_about FAILURE -outdev "$partial" -volid "$label" -application_id "$image_mark" \
    -joliet on -rockridge on -compliance joliet_long_names -map "$folder" / "${map_autorun[@]}" \
    >"$work/xorriso.log" 2>&1 ||
    fail "xorriso could not write the image: $(tail -n 5 "$work/xorriso.log")"
else
  cp -RL "$folder/." "$partial/"
  [ -z "$autorun" ] || cp "$autorun" "$partial/autorun.inf"
  rules mark "$partial"
fi
chmod "$(printf %o $mode)" "$partial"
if [ -e "$out" ]; then
  # Asked again: OUT may have changed while the medium was written.
  rules ours "$out" "$image_mark" || fail "no medium written"
  old=$(mktemp -d "$(dirname "$out")/.$(basename "$out").old-XXXXXX")
  trap 'rm -rf "$work" "$partial" "$old"' EXIT
  mv "$out" "$old/"
fi
mv -T "$partial" "$out"
echo "make-medium: $out${autorun:+ (with an autorun.inf that opens $launcher)}"
