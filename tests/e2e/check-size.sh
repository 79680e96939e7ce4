#!/usr/bin/env bash
# A launcher on a medium is read from a slow disc before its first window:
# stripped, it must stay within 300 KB.
set -eu
exe=$1
limit=$((300 * 1024))
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$exe"
bytes=$(stat -c %s "$stripped")
echo "launcher.exe stripped: $bytes bytes (limit $limit)"
[ "$bytes" -gt 0 ] && [ "$bytes" -le "$limit" ]
