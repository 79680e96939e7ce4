#!/usr/bin/env bash
# The long fuzz campaign of the core: every fuzz target (or the ones named, e.g.
# `scripts/fuzz.sh paths tokens`) for FUZZ_RUNS inputs each (a million by
# default), one target at a time. Each starts from its seeds and from what
# earlier campaigns kept in build/native/fuzz-campaign/<target>; an input that
# fails is saved there as <target>-crash-... and the script ends non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null

runs=${FUZZ_RUNS:-1000000}
out=build/native/fuzz-campaign
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in build/native/tests/fuzz/fuzz_*; do targets+=("${binary##*/fuzz_}"); done
fi

failed=0
for name in "${targets[@]}"; do
  mkdir -p "$out/$name"
  start=$(date +%s)
  if build/native/tests/fuzz/fuzz_"$name" -runs="$runs" -rss_limit_mb=1024 -print_final_stats=1 \
       -artifact_prefix="$out/$name-" "$out/$name" "tests/fuzz/corpus/$name" >"$out/$name.log" 2>&1; then
    verdict="no finding"
  else
    verdict="FINDING (see $out/$name.log)"
    failed=1
  fi
  done_runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$name.log" | grep -o '[0-9]*$' || echo "?")
  echo "$name: $done_runs runs in $(( $(date +%s) - start )) s, $verdict"
done
exit $failed
