#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev mingw-w64 g++-mingw-w64-i686-posix wine
          wine32:i386 xvfb x11-utils fonts-wine fonts-liberation2 fonts-ipafont-gothic googletest
          libbenchmark-dev imagemagick python3 cppcheck osslsigncode openssl xorriso softhsm2
          libengine-pkcs11-openssl)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
