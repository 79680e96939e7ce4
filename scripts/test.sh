#!/usr/bin/env bash
# Builds everything and runs every test: the core natively with sanitizers,
# then the Windows build with its unit, GUI and end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
