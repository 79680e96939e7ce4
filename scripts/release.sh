#!/usr/bin/env bash
# Builds the release archive from the committed tree:
#   scripts/release.sh [--allow-dirty] [--out DIR] [SIGNING] [--prebuilt BUILD_DIR]...
# writes DIR/NAME-VERSION.zip (DIR defaults to dist) and DIR/SHA256SUMS. The
# archive holds launcher.exe, setupcheck.exe, setupdesign.exe, the sample
# folder ready to run,
# docs/AUTHORING.md and a short text for authors. The programs are built twice,
# in two folders, and every byte of the two unsigned builds must agree; then
# they are signed once. The entries are stored uncompressed, in a fixed order
# and dated at the commit's time, so anyone can rebuild the archive byte for
# byte from the same commit, with whatever compression library.
#
# Uncommitted changes are refused; --allow-dirty releases the working tree as
# it is, under a name ending in -dirty.
#
# SIGNING (Authenticode, SHA-256), one of:
#   --sign-pkcs12 FILE --sign-password-file FILE
#       a PKCS#12 file and a file holding its password
#   --sign-pkcs11-module MODULE --sign-key URI --sign-certs FILE [--sign-password-file FILE]
#       a key held by a PKCS#11 module (a token, a smart card), named by its
#       pkcs11: URI; the certificate and its chain in FILE (PEM); the token's
#       PIN in the password file, if it asks for one
#   --sign-command COMMAND --sign-certs FILE
#       the author's own command (a signing service's client), run by bash
#       with {} standing for the program to sign in place; FILE as above
# each also from the environment: RELEASE_SIGN_PKCS12, RELEASE_SIGN_PASSWORD_FILE,
# RELEASE_SIGN_PKCS11_MODULE, RELEASE_SIGN_KEY, RELEASE_SIGN_CERTS,
# RELEASE_SIGN_COMMAND. --timestamp-url URL (RELEASE_TIMESTAMP_URL) names an
# RFC 3161 time-stamp server; --timestamp-ca FILE (RELEASE_TIMESTAMP_CA) its
# authority, when the system does not know it. Passwords are only ever read
# from their files. Every signature, and its time stamp, is verified against
# the given certificates and the system's authorities before anything is
# written.
#
# --prebuilt BUILD_DIR packages the programs of an existing Windows build
# instead of building (no reproducibility check); given twice, the programs of
# the two builds are compared as those built here are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fail() {
  echo "release: $*" >&2
  exit 1
}

out=$root/dist
allow_dirty=false
prebuilt=()
pkcs12=${RELEASE_SIGN_PKCS12:-}
password_file=${RELEASE_SIGN_PASSWORD_FILE:-}
module=${RELEASE_SIGN_PKCS11_MODULE:-}
key=${RELEASE_SIGN_KEY:-}
certs=${RELEASE_SIGN_CERTS:-}
sign_command=${RELEASE_SIGN_COMMAND:-}
timestamp_url=${RELEASE_TIMESTAMP_URL:-}
timestamp_ca=${RELEASE_TIMESTAMP_CA:-}
while [ $# -gt 0 ]; do
  case $1 in
    --allow-dirty) allow_dirty=true ;;
    --out) out=${2:?--out needs a folder}; shift ;;
    --prebuilt) prebuilt+=("$(cd "${2:?--prebuilt needs a build folder}" && pwd)"); shift ;;
    --sign-pkcs12) pkcs12=${2:?--sign-pkcs12 needs a file}; shift ;;
    --sign-password-file) password_file=${2:?--sign-password-file needs a file}; shift ;;
    --sign-pkcs11-module) module=${2:?--sign-pkcs11-module needs a module}; shift ;;
    --sign-key) key=${2:?--sign-key needs a pkcs11: URI}; shift ;;
    --sign-certs) certs=${2:?--sign-certs needs a file}; shift ;;
    --sign-command) sign_command=${2:?--sign-command needs a command}; shift ;;
    --timestamp-url) timestamp_url=${2:?--timestamp-url needs an address}; shift ;;
    --timestamp-ca) timestamp_ca=${2:?--timestamp-ca needs a file}; shift ;;
    *) echo "usage: $0 [--allow-dirty] [--out DIR] [--prebuilt BUILD_DIR]... [SIGNING]" \
         "(see the head of $0)" >&2
       exit 2 ;;
  esac
  shift
done
[ ${#prebuilt[@]} -le 2 ] || fail "--prebuilt is given once, or twice to compare two builds"

# Paths as given, from the folder the script was started in.
absolute() { [ -z "$1" ] || realpath -m "$1"; }
out=$(absolute "$out") pkcs12=$(absolute "$pkcs12") password_file=$(absolute "$password_file")
certs=$(absolute "$certs") timestamp_ca=$(absolute "$timestamp_ca")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Signing: one way, its files readable, before any build.
readable() { # FILE WHAT
  [ -f "$1" ] && [ -r "$1" ] || fail "cannot read the $2 $1"
}
signing=""
[ -z "$pkcs12" ] || signing+=" pkcs12"
[ -z "$module$key" ] || signing+=" pkcs11"
[ -z "$sign_command" ] || signing+=" command"
signing=${signing# }
case $signing in
"")
  [ -z "$password_file$certs$timestamp_url$timestamp_ca" ] ||
    fail "a password, certificate or time-stamp server was given, but no way of signing" \
      "(--sign-pkcs12, --sign-pkcs11-module or --sign-command)"
  ;;
pkcs12)
  [ -n "$password_file" ] || fail "a certificate was given but no password file (--sign-password-file)"
  readable "$pkcs12" "certificate file"
  readable "$password_file" "password file"
  openssl pkcs12 -in "$pkcs12" -passin "file:$password_file" -nokeys -out "$work/chain.pem" \
    2>/dev/null || fail "cannot open the certificate file $pkcs12 with the password in" \
    "$password_file (wrong password, or not a PKCS#12 file)"
  ;;
pkcs11 | command)
  if [ "$signing" = pkcs11 ]; then
    [ -n "$module" ] || fail "a key was given but no PKCS#11 module (--sign-pkcs11-module)"
    readable "$module" "PKCS#11 module"
    [[ $key == pkcs11:* ]] || fail "--sign-key needs the key's pkcs11: URI, not \"$key\""
    [ -z "$password_file" ] || readable "$password_file" "PIN file"
  else
    [[ $sign_command == *"{}"* ]] || fail "the signing command has no {} for the program to sign"
    [ -z "$password_file" ] || fail "the signing command reads no password file: it finds its" \
      "key itself"
    [ -z "$timestamp_url" ] || fail "--timestamp-url is for osslsigncode's signing: the" \
      "signing command time-stamps by itself"
  fi
  [ -n "$certs" ] || fail "signing needs the certificate and its chain (--sign-certs)"
  readable "$certs" "certificate file"
  openssl x509 -in "$certs" -noout 2>/dev/null || fail "no certificate in $certs (PEM expected)"
  cp "$certs" "$work/chain.pem"
  ;;
*) fail "give one way of signing, not $signing" ;;
esac
if [ -n "$signing" ]; then
  # Verified against the certificate's own chain and the system's authorities.
  cat /etc/ssl/certs/ca-certificates.crt >>"$work/chain.pem" 2>/dev/null || true
  cp /etc/ssl/certs/ca-certificates.crt "$work/timestamp-chain.pem" 2>/dev/null || true
  if [ -n "$timestamp_ca" ]; then
    readable "$timestamp_ca" "time-stamp authority file"
    cat "$timestamp_ca" >>"$work/timestamp-chain.pem"
  fi
fi

# The tree to release: the commit, or with --allow-dirty the working tree as
# "git add -A" would commit it.
cd "$root"
suffix=""
tree=HEAD
if [ -n "$(git status --porcelain)" ]; then
  $allow_dirty || fail "the working tree has uncommitted changes (see git status): commit" \
    "them, or pass --allow-dirty to release them under a name ending in -dirty"
  suffix=-dirty
  index=$work/index
  cp "$(git rev-parse --git-path index)" "$index"
  GIT_INDEX_FILE=$index git add -A
  tree=$(GIT_INDEX_FILE=$index git write-tree)
fi
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export_tree() { # FOLDER
  mkdir -p "$1"
  git archive "$tree" | tar -x -C "$1"
}
export_tree "$work/source"
name=$(sed -n 's/^project(\([A-Za-z0-9_-]*\) VERSION \([0-9.]*\).*/\1-\2/p' "$work/source/CMakeLists.txt")
[ -n "$name" ] || fail "no project version in CMakeLists.txt"
name=$name$suffix
product=$(sed -n 's/^set(PRODUCT_NAME "\(.*\)")$/\1/p' "$work/source/CMakeLists.txt")

# The shipped programs of a build folder, by the names they ship under.
programs_of() { # BUILD_DIR
  printf '%s\t%s\n' "$1/src/launcher.exe" launcher.exe "$1/tools/setupcheck/setupcheck.exe" \
    setupcheck.exe "$1/tools/setupdesign/setupdesign.exe" setupdesign.exe \
    "$1/tools/sample_setup/sample_setup.exe" sample_setup.exe
}
build() { # SOURCE_DIR
  (cd "$1" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target launcher setupcheck setupdesign sample_setup >/dev/null) ||
    fail "the build in $1 failed"
}
# The programs of one build, unsigned, in FOLDER.
collect() { # BUILD_DIR FOLDER
  mkdir -p "$2"
  while IFS=$'\t' read -r built shipped; do
    cp "$built" "$2/$shipped" || fail "no $shipped in $1"
  done < <(programs_of "$1")
}

# Signs PROGRAM in place, then verifies it.
sign() { # PROGRAM
  # shellcheck disable=SC2016 # the command's own $1, quoted
  local signed common=(-h sha256 -n "$product") program_word='"$1"'
  signed=$work/signing/$(basename "$1")
  # At the commit's time, so that without a time stamp the same commit signs to the same bytes.
  common+=(-time "$SOURCE_DATE_EPOCH")
  [ -z "$timestamp_url" ] || common+=(-ts "$timestamp_url")
  [ -z "$password_file" ] || common+=(-readpass "$password_file")
  mkdir -p "$work/signing"
  case $signing in
  pkcs12) osslsigncode sign -pkcs12 "$pkcs12" "${common[@]}" -in "$1" -out "$signed" ;;
  pkcs11) osslsigncode sign -pkcs11module "$module" -key "$key" -certs "$certs" "${common[@]}" \
            -in "$1" -out "$signed" ;;
  command) cp "$1" "$signed" &&
    # The program's path reaches the command as one word, whatever it holds.
    bash -c "${sign_command//'{}'/$program_word}" sign-command "$signed" ;;
  esac >"$work/sign.log" 2>&1 </dev/null ||
    fail "signing $(basename "$1") failed: $(tail -n 3 "$work/sign.log")"
  osslsigncode verify -CAfile "$work/chain.pem" -TSA-CAfile "$work/timestamp-chain.pem" \
    -in "$signed" >"$work/verify.log" 2>&1 ||
    fail "the signature of $(basename "$1") does not verify: $(tail -n 3 "$work/verify.log")"
  [ -z "$timestamp_url" ] || grep -q "Timestamp Server Signature verification: ok" "$work/verify.log" ||
    fail "the time stamp of $(basename "$1") does not verify against the system's authorities" \
      "(name the server's with --timestamp-ca): $(grep -i timestamp "$work/verify.log" | tail -n 2)"
  mv "$signed" "$1"
}

# The archive's folder: the programs, the sample ready to run, the guide.
stage() { # PROGRAMS_DIR ARCHIVE
  local top=$work/stage/$name
  rm -rf "$work/stage"
  mkdir -p "$top/docs" "$top/sample/setup"
  cp "$1/launcher.exe" "$1/setupcheck.exe" "$1/setupdesign.exe" "$top/"
  cp -r "$work/source/demo/." "$top/sample/"
  cp "$1/launcher.exe" "$top/sample/"
  cp "$1/sample_setup.exe" "$top/sample/setup/install.exe"
  cp "$1/sample_setup.exe" "$top/sample/setup/database.exe"
  cp "$work/source/docs/AUTHORING.md" "$work/source/docs/preview-EN.png" \
     "$work/source/docs/preview-JA.png" "$top/docs/"
  sed 's/$/\r/' "$work/source/docs/release-readme.txt" >"$top/README.txt"
  python3 "$root/scripts/reproducible-zip.py" "$2" "$top" "$SOURCE_DATE_EPOCH"
}

if [ ${#prebuilt[@]} -gt 0 ]; then
  collect "${prebuilt[0]}" "$work/programs"
  [ ${#prebuilt[@]} -eq 1 ] || collect "${prebuilt[1]}" "$work/programs-2"
else
  # A second build in another folder, later: every shipped byte must agree.
  export_tree "$work/second/build-of-the-same-tree"
  for source in "$work/source" "$work/second/build-of-the-same-tree"; do
    echo "release: building in $source"
    build "$source"
  done
  collect "$work/source/build/windows" "$work/programs"
  collect "$work/second/build-of-the-same-tree/build/windows" "$work/programs-2"
fi
if [ -d "$work/programs-2" ]; then
  # Compared unsigned: a time-stamped signature differs at every signing.
  for program in "$work/programs"/*; do
    cmp -s "$program" "$work/programs-2/$(basename "$program")" ||
      fail "two builds of the same tree differ in $(basename "$program")"
  done
  stage "$work/programs" "$work/$name-1.zip"
  stage "$work/programs-2" "$work/$name-2.zip"
  cmp -s "$work/$name-1.zip" "$work/$name-2.zip" || fail "two packings of the same tree differ"
else
  echo "release: programs taken from ${prebuilt[0]}, not rebuilt: reproducibility not checked"
fi
if [ -n "$signing" ]; then
  sign "$work/programs/launcher.exe"
  sign "$work/programs/setupcheck.exe"
  sign "$work/programs/setupdesign.exe"
fi
stage "$work/programs" "$work/$name.zip"

mkdir -p "$out"
mv "$work/$name.zip" "$out/$name.zip"
(cd "$out" && sha256sum "$name.zip" >SHA256SUMS)
state=unsigned
[ -z "$signing" ] || state="signed${timestamp_url:+, time-stamped}"
echo "release: $out/$name.zip ($state), $(cut -c1-16 "$out/SHA256SUMS")..."
