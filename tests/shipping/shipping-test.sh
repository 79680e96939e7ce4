#!/usr/bin/env bash
# What ships, tried as an author and a reviewer would:
#   shipping-test.sh second-build|signing|medium|refused BUILD_DIR WORK_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
case_name=$1 build=$2 work=$3 failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
# expect STATUS TEXT COMMAND...: the command ends with STATUS and says TEXT.
expect() {
  local status=$1 text=$2 actual=0 && shift 2
  "$@" >"$work/out.log" 2>&1 || actual=$?
  [ "$actual" -eq "$status" ] || fail "$* ended with $actual, not $status: $(tail -n 3 "$work/out.log")"
  grep -q -F -- "$text" "$work/out.log" || fail "$* did not say \"$text\": $(tail -n 3 "$work/out.log")"
}
windows_path() { echo "Z:${1//\//\\}"; }
wine() { "$root/scripts/wine-run.sh" "$build/wineprefix" "$@"; }
# The sample folder ready to run.
sample() { cp -r "$build/tests/e2e/e2e_files/demo" "$1" && cp "$build/src/launcher.exe" "$1/"; }
# The extracted copy of a medium reaches its first form, started by the page renderer.
reaches_first_form() { # FOLDER
  wine "$build/tools/preview/preview.exe" "$(windows_path "$1")" EN "$(windows_path "$work/pages")" \
    >/dev/null || fail "the launcher in $1 did not show its forms"
  [ -f "$work/pages/main.bmp" ] || fail "no first form from $1"
}
chmod -R u+w "$work" 2>/dev/null || true
rm -rf "$work" && mkdir -p "$work" && export SETUPCHECK_BUILD_DIR=$build

case $case_name in
second-build)
  other=$work/another/build-folder
  cmake -S "$root" -B "$other" -G Ninja --toolchain "$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build "$other" --target launcher setupdesign >/dev/null
  for program in src/launcher.exe tools/setupdesign/setupdesign.exe; do
    cmp "$build/$program" "$other/$program" || fail "two builds of $(basename "$program") differ"
  done
  ;;
signing)
  # A throw-away self-signed certificate, its password only ever in files.
  password=$(head -c 12 /dev/urandom | base64) && echo "$password" >"$work/password"
  cp "$work/password" "$work/password-again" && echo wrong >"$work/wrong" # openssl reads a line a use
  openssl req -x509 -newkey rsa:2048 -days 2 -subj "/CN=Throw-away test signer" \
    -keyout "$work/key.pem" -out "$work/cert.pem" -passout "file:$work/password" 2>/dev/null
  openssl pkcs12 -export -in "$work/cert.pem" -inkey "$work/key.pem" -out "$work/cert.p12" \
    -passin "file:$work/password" -passout "file:$work/password-again"
  # The same key in a software token made here, the password its PIN.
  export SOFTHSM2_CONF=$work/softhsm2.conf
  mkdir "$work/tokens" && echo "directories.tokendir = $work/tokens" >"$SOFTHSM2_CONF"
  openssl pkcs8 -topk8 -nocrypt -in "$work/key.pem" -passin "file:$work/password" -out "$work/key8.pem"
  softhsm2-util --init-token --free --label signer --pin "$password" --so-pin "$password" >/dev/null
  softhsm2-util --import "$work/key8.pem" --token signer --label signer --id 01 --pin "$password" >/dev/null
  # A time-stamp server on this machine, on a port the system picks.
  mkdir "$work/tsa"
  python3 "$root/tests/shipping/timestamp-server.py" "$work/tsa" >"$work/tsa-port" 2>"$work/tsa.log" &
  tsa=$! && trap 'kill $tsa' EXIT
  for _ in $(seq 300); do [ -s "$work/tsa-port" ] && break; sleep 0.1; done
  stamped="--timestamp-url|http://127.0.0.1:$(cat "$work/tsa-port")|--timestamp-ca|$work/tsa/tsa.crt"
  token="--sign-pkcs11-module|/usr/lib/softhsm/libsofthsm2.so|--sign-certs|$work/cert.pem|--sign-key|pkcs11:token=signer;object=signer;type=private"
  # A build folder and a temporary folder with blanks; the two builds compared before signing.
  ln -s "$build" "$work/build folder" && mkdir "$work/temporary folder"
  release() {
    TMPDIR="$work/temporary folder" "$root/scripts/release.sh" --prebuilt "$work/build folder" \
      --prebuilt "$work/build folder" --allow-dirty "$@"
  }
  # status | archive | what release.sh says | how it is asked to sign, an argument a field
  while IFS='|' read -r -a row; do
    expect "${row[0]}" "${row[2]}" release --out "$work/${row[1]}" "${row[@]:3}"
    ! grep -q -F "$password" "$work/out.log" || fail "the password appeared in the output"
  done <<EOF2
0|pkcs12|(signed, time-stamped)|--sign-pkcs12|$work/cert.p12|--sign-password-file|$work/password|$stamped
0|pkcs11|(signed, time-stamped)|$token|--sign-password-file|$work/password|$stamped
0|command|(signed)|--sign-certs|$work/cert.pem|--sign-command|osslsigncode sign -certs $work/cert.pem -key $work/key8.pem -in {} -out {}.signed && mv {}.signed {}
0|unsigned|(unsigned)
1|refused|wrong password|--sign-pkcs12|$work/cert.p12|--sign-password-file|$work/wrong
1|refused|cannot read|--sign-pkcs12|$work/none.p12|--sign-password-file|$work/password
1|refused|signing launcher.exe failed|$token|--sign-password-file|$work/wrong
1|refused|does not verify|--sign-certs|$work/cert.pem|--sign-command|true {}
1|refused|one way of signing|$token|--sign-pkcs12|$work/cert.p12
EOF2
  [ ! -e "$work/refused" ] || fail "a refused signing left $(ls "$work/refused")"
  [ -z "$(ls -A "$work/temporary folder")" ] || fail "left behind: $(ls "$work/temporary folder")"
  for kind in pkcs12 pkcs11 command unsigned; do
    (cd "$work/$kind" && sha256sum -c --quiet SHA256SUMS) || fail "$kind: SHA256SUMS does not match"
    python3 -m zipfile -e "$work/$kind"/*.zip "$work/$kind/x"
  done
  unsigned=$(echo "$work"/unsigned/x/*)
  # The signed programs still run: the checker on the sample, the launcher to its first form.
  signed=$(echo "$work"/pkcs11/x/*)
  expect 0 "0 errors" wine "$(windows_path "$signed/setupcheck.exe")" "$(windows_path "$signed/sample")"
  reaches_first_form "$signed/sample"
  for kind in pkcs12 pkcs11 command; do
    signed=$(echo "$work/$kind"/x/*)
    for program in launcher.exe setupcheck.exe setupdesign.exe sample/launcher.exe; do
      osslsigncode verify -CAfile "$work/cert.pem" -TSA-CAfile "$work/tsa/tsa.crt" -in "$signed/$program" |
        grep "$([ $kind = command ] && echo Succeeded || echo "Timestamp Server Signature verification: ok")" >/dev/null ||
        fail "$kind $program: the signature or its time stamp does not verify"
      ! osslsigncode verify -in "$unsigned/$program" >/dev/null 2>&1 || fail "unsigned $program verifies"
      osslsigncode remove-signature -in "$signed/$program" -out "$work/stripped.exe" >/dev/null
      cmp -s "$work/stripped.exe" "$unsigned/$program" || fail "$kind $program differs beyond its signature"
      rm "$work/stripped.exe"
    done
    diff -r -x launcher.exe -x setupcheck.exe -x setupdesign.exe "$signed" "$unsigned" || fail "$kind: the archives differ"
  done
  ;;
medium)
  sample "$work/sample"
  before=$(cd "$work/sample" && find . -type f -exec sha256sum {} + | sort)
  expect 0 "autorun.inf" "$root/scripts/make-medium.sh" "$work/sample" "$work/disc.iso" --label "SAMPLE 2.1"
  listed=$(xorriso -indev "$work/disc.iso" -find / -type f 2>/dev/null | tr -d "'" | sort)
  expected=$( (cd "$work/sample" && find . -type f | sed 's/^\.//'; echo /autorun.inf) | sort)
  [ "$listed" = "$expected" ] || fail "the image lists $listed"
  xorriso -indev "$work/disc.iso" -pvd_info 2>/dev/null | grep "Volume Id *: SAMPLE 2.1" >/dev/null || fail "label"
  xorriso -osirrox on -indev "$work/disc.iso" -extract / "$work/disc" >/dev/null 2>&1
  diff -r -x autorun.inf "$work/sample" "$work/disc" || fail "the image does not hold the folder"
  printf '[autorun]\r\nopen="launcher.exe"\r\nicon=launcher.exe,0\r\nlabel=SAMPLE 2.1\r\n' |
    cmp - "$work/disc/autorun.inf" || fail "unexpected autorun.inf"
  reaches_first_form "$work/disc"
  expect 1 "pass --force" "$root/scripts/make-medium.sh" "$work/sample" "$work/disc.iso" --label DISC
  # Its own image replaced, under a label made from the product name.
  expect 0 'label "Sample Product"' "$root/scripts/make-medium.sh" "$work/sample" "$work/disc.iso" --force
  xorriso -indev "$work/disc.iso" -pvd_info 2>/dev/null | grep "Volume Id *: Sample Product$" >/dev/null ||
    fail "the derived label"
  expect 0 "opens launcher.exe" "$root/scripts/make-medium.sh" "$work/sample" "$work/usb"
  diff -r -x autorun.inf -x .medium-copy "$work/sample" "$work/usb" || fail "the USB copy does not hold the folder"
  grep -q "label=Sample Product Setup" "$work/usb/autorun.inf" || fail "the USB copy's label"
  # Its own copy is replaced only while it holds nothing an author put there.
  echo mine >"$work/usb/notes.txt" && echo "; mine" >>"$work/usb/Setup.ini"
  expect 1 "changed since: Setup.ini, notes.txt" "$root/scripts/make-medium.sh" "$work/sample" "$work/usb" --force
  tail -n 1 "$work/usb/Setup.ini" | grep -q mine && [ -f "$work/usb/notes.txt" ] ||
    fail "the author's changes to the USB copy were lost"
  rm "$work/usb/notes.txt" "$work/usb/Setup.ini"
  expect 0 "opens launcher.exe" "$root/scripts/make-medium.sh" "$work/sample" "$work/usb" --force
  [ -f "$work/usb/Setup.ini" ] || fail "the USB copy was not replaced"
  [ -z "$(find "$work" -maxdepth 1 -name '.*-*')" ] || fail "left behind: $(ls -A "$work")"
  [ "$before" = "$(cd "$work/sample" && find . -type f -exec sha256sum {} + | sort)" ] ||
    fail "the folder was changed"
  rm "$work/sample/background.png"
  expect 1 "no medium written" "$root/scripts/make-medium.sh" "$work/sample" "$work/broken.iso" --label X
  grep -q "error:" "$work/out.log" || fail "the checker's findings were not shown"
  [ ! -e "$work/broken.iso" ] || fail "an image of a folder with an error"
  ;;
refused)
  sample "$work/sample"
  long=$(printf 'n%.0s' {1..104})
  # What --force must leave alone: an author's folder, an image made otherwise.
  mkdir "$work/keep" && echo mine >"$work/keep/notes.txt"
  xorriso -outdev "$work/other.iso" -map "$work/keep" / >/dev/null 2>&1
  before=$(cd "$work" && sha256sum keep/notes.txt other.iso)
  # OUT | --label | a file added to the folder | what make-medium says
  while IFS='|' read -r out label added text; do
    rm -rf "$work/case" && cp -r "$work/sample" "$work/case"
    [ -z "$added" ] || echo x >"$work/case/$added"
    existed=false && [ -e "$work/$out" ] && existed=true
    expect 1 "$text" "$root/scripts/make-medium.sh" "$work/case" "$work/$out" --label "$label" --force
    $existed || [ ! -e "$work/$out" ] || fail "$out was written for \"$label\" $added"
  done <<EOF2
disc.iso|A LABEL SEVENTEEN||at most 16
disc.iso|Disc/Label||letters A-Z, digits
disc.iso|||a disc needs a label
disc.iso| DISC||begins or ends with a blank
disc.iso|DISC|$long|at most 103
usb|Label|docs/CON.txt|CON is the name of a device
usb|Label|lpt1|LPT1 is the name of a device
usb|Label|docs/a?b.txt|Windows file names cannot hold
usb|Label|docs/trailing.|ends with a dot or a blank
usb|Label|docs/trailing |ends with a dot or a blank
usb|Label|docs/README.TXT|only in letter case
usb|Label	tab||control character
usb|Café||ASCII characters only
case/usb|Label||lies in
.|Label||holds
keep|Label||no .medium-copy file marking it
other.iso|DISC||this file is not one
EOF2
  [ "$before" = "$(cd "$work" && sha256sum keep/notes.txt other.iso)" ] || fail "--force changed them"
  # medium | productName | the label made of it
  while IFS='|' read -r medium product expected; do
    printf '[main]\r\nproductName=%s\r\n' "$product" >"$work/case/Setup.ini"
    made=$(python3 "$root/scripts/medium-rules.py" derive "$medium" "$work/case" 2>&1) || true
    [ "$made" = "$expected" ] || fail "$product on $medium: \"$made\", not \"$expected\""
  done <<EOF2
iso|Sample Product Setup|Sample Product
iso|Café Überall / Setup™|Cafe Uberall
usb|Café Überall / Setup™|Cafe Uberall / Setup
iso|Supercalifragilistic|Supercalifragili
iso|日本語|no disc label can be made of the productName "日本語": give one with --label
EOF2
  ;;
*) exit 2 ;;
esac
chmod -R u+w "$work" && [ $failures -eq 0 ] && echo "$case_name: passed"
