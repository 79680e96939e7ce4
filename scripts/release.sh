#!/usr/bin/env bash
# Builds the release archive from the committed tree:
#   scripts/release.sh [--allow-dirty] [--out DIR]
#                      [--sign-pkcs12 FILE --sign-password-file FILE [--timestamp-url URL]]
# writes DIR/NAME-VERSION.zip (DIR defaults to dist) and DIR/SHA256SUMS. The
# archive holds launcher.exe, setupcheck.exe, the sample folder ready to run,
# docs/AUTHORING.md and a short text for authors. The programs are built twice,
# in two folders, and every shipped byte must come out the same both times;
# the entries are in a fixed order and dated at the commit's time, so anyone
# can rebuild the archive byte for byte from the same commit.
#
# Uncommitted changes are refused; --allow-dirty releases the working tree as
# it is, under a name ending in -dirty.
#
# Signing (Authenticode, SHA-256) takes a PKCS#12 file and a file holding its
# password, from the options or from RELEASE_SIGN_PKCS12 and
# RELEASE_SIGN_PASSWORD_FILE; RELEASE_TIMESTAMP_URL (or --timestamp-url)
# names an RFC 3161 time-stamp server. The password is only ever read from its
# file. The signatures are verified before anything is written.
#
# --prebuilt BUILD_DIR packages the programs of an existing Windows build
# instead of building (no reproducibility check; used by the tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fail() {
  echo "release: $*" >&2
  exit 1
}

out=$root/dist
allow_dirty=false
prebuilt=""
pkcs12=${RELEASE_SIGN_PKCS12:-}
password_file=${RELEASE_SIGN_PASSWORD_FILE:-}
timestamp_url=${RELEASE_TIMESTAMP_URL:-}
while [ $# -gt 0 ]; do
  case $1 in
    --allow-dirty) allow_dirty=true ;;
    --out) out=${2:?--out needs a folder}; shift ;;
    --prebuilt) prebuilt=$(cd "${2:?--prebuilt needs a build folder}" && pwd); shift ;;
    --sign-pkcs12) pkcs12=${2:?--sign-pkcs12 needs a file}; shift ;;
    --sign-password-file) password_file=${2:?--sign-password-file needs a file}; shift ;;
    --timestamp-url) timestamp_url=${2:?--timestamp-url needs an address}; shift ;;
    *) echo "usage: $0 [--allow-dirty] [--out DIR] [--sign-pkcs12 FILE --sign-password-file FILE" \
         "[--timestamp-url URL]] [--prebuilt BUILD_DIR]" >&2
       exit 2 ;;
  esac
  shift
done

# Paths as given, from the folder the script was started in.
absolute() { [ -z "$1" ] || realpath -m "$1"; }
out=$(absolute "$out") pkcs12=$(absolute "$pkcs12") password_file=$(absolute "$password_file")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Signing: both files readable, and the password opens the certificate file,
# before any build.
signing=false
if [ -n "$pkcs12$password_file" ]; then
  [ -n "$pkcs12" ] || fail "a password file was given but no certificate (--sign-pkcs12)"
  [ -n "$password_file" ] || fail "a certificate was given but no password file (--sign-password-file)"
  [ -f "$pkcs12" ] && [ -r "$pkcs12" ] || fail "cannot read the certificate file $pkcs12"
  [ -f "$password_file" ] && [ -r "$password_file" ] || fail "cannot read the password file $password_file"
  openssl pkcs12 -in "$pkcs12" -passin "file:$password_file" -nokeys -out "$work/chain.pem" \
    2>/dev/null || fail "cannot open the certificate file $pkcs12 with the password in" \
    "$password_file (wrong password, or not a PKCS#12 file)"
  # Verified against the certificate's own chain and the system's authorities.
  cat /etc/ssl/certs/ca-certificates.crt >>"$work/chain.pem" 2>/dev/null || true
  signing=true
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
  echo "$1/src/launcher.exe launcher.exe"
  echo "$1/tools/setupcheck/setupcheck.exe setupcheck.exe"
  echo "$1/tools/sample_setup/sample_setup.exe sample_setup.exe"
}
build() { # SOURCE_DIR
  (cd "$1" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target launcher setupcheck sample_setup >/dev/null) ||
    fail "the build in $1 failed"
}

# The programs of one build, signed when asked, in FOLDER.
collect() { # BUILD_DIR FOLDER
  mkdir -p "$2"
  while read -r built shipped; do
    if $signing && [ "$shipped" != sample_setup.exe ]; then
      sign "$built" "$2/$shipped"
    else
      cp "$built" "$2/$shipped"
    fi
  done < <(programs_of "$1")
}
sign() { # IN OUT
  local timestamp=()
  [ -z "$timestamp_url" ] || timestamp=(-ts "$timestamp_url")
  # At the commit's time, so that the same commit signs to the same bytes.
  osslsigncode sign -pkcs12 "$pkcs12" -readpass "$password_file" -h sha256 -n "$product" \
    -time "$SOURCE_DATE_EPOCH" "${timestamp[@]}" -in "$1" -out "$2" >"$work/sign.log" 2>&1 ||
    fail "signing $(basename "$2") failed: $(tail -n 3 "$work/sign.log")"
  osslsigncode verify -CAfile "$work/chain.pem" -in "$2" >"$work/verify.log" 2>&1 ||
    fail "the signature of $(basename "$2") does not verify: $(tail -n 3 "$work/verify.log")"
}

# The archive's folder: the programs, the sample ready to run, the guide.
stage() { # PROGRAMS_DIR ARCHIVE
  local top=$work/stage/$name
  rm -rf "$work/stage"
  mkdir -p "$top/docs" "$top/sample/setup"
  cp "$1/launcher.exe" "$1/setupcheck.exe" "$top/"
  cp -r "$work/source/demo/." "$top/sample/"
  cp "$1/launcher.exe" "$top/sample/"
  cp "$1/sample_setup.exe" "$top/sample/setup/install.exe"
  cp "$1/sample_setup.exe" "$top/sample/setup/database.exe"
  cp "$work/source/docs/AUTHORING.md" "$work/source/docs/preview-EN.png" \
     "$work/source/docs/preview-JA.png" "$top/docs/"
  sed 's/$/\r/' "$work/source/docs/release-readme.txt" >"$top/README.txt"
  python3 "$root/scripts/reproducible-zip.py" "$2" "$top" "$SOURCE_DATE_EPOCH"
}

if [ -n "$prebuilt" ]; then
  collect "$prebuilt" "$work/programs"
  stage "$work/programs" "$work/$name.zip"
  echo "release: programs taken from $prebuilt, not rebuilt: reproducibility not checked"
else
  # A second build in another folder, later: every shipped byte must agree.
  export_tree "$work/second/build-of-the-same-tree"
  for source in "$work/source" "$work/second/build-of-the-same-tree"; do
    echo "release: building in $source"
    build "$source"
  done
  collect "$work/source/build/windows" "$work/programs"
  collect "$work/second/build-of-the-same-tree/build/windows" "$work/programs-2"
  for program in "$work/programs"/*; do
    cmp -s "$program" "$work/programs-2/$(basename "$program")" ||
      fail "two builds of the same tree differ in $(basename "$program")"
  done
  stage "$work/programs" "$work/$name.zip"
  stage "$work/programs-2" "$work/$name-2.zip"
  cmp -s "$work/$name.zip" "$work/$name-2.zip" || fail "two packings of the same tree differ"
fi

mkdir -p "$out"
mv "$work/$name.zip" "$out/$name.zip"
(cd "$out" && sha256sum "$name.zip" >SHA256SUMS)
$signing && state=signed || state=unsigned
echo "release: $out/$name.zip ($state), $(cut -c1-16 "$out/SHA256SUMS")..."
