#!/usr/bin/env bash
# Runs launcher.exe under Wine on generated hostile installation folders and
# classifies every run: window shown, message then exit, exit by itself,
# crash, hang. Fails when any run crashed or hung, or when a case of the
# fixed set ended otherwise than its expected outcome.
#
#   hostile-media.sh [--cases fixed|N] [--seed S] [--batch B] [--start-ms MS]
#                    [--launcher EXE] [--driver EXE] [--work DIR] [--prefix DIR]
#
# "fixed" runs every kind of hostile medium once (the test suite's set); a
# number N runs those and random mixtures of them up to N cases. Defaults
# come from build/windows. Folders are made and removed a batch at a time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build/windows
cases=fixed seed=1 batch=100 start_ms=10000
launcher=$build/src/launcher.exe
driver=$build/tests/hostile/hostile_driver.exe
work=$build/hostile-media
prefix=$build/wineprefix
while [ $# -gt 0 ]; do
  case $1 in
    --cases) cases=$2 ;;
    --seed) seed=$2 ;;
    --batch) batch=$2 ;;
    --start-ms) start_ms=$2 ;;
    --launcher) launcher=$2 ;;
    --driver) driver=$2 ;;
    --work) work=$2 ;;
    --prefix) prefix=$2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
# Wine maps file names through the locale: folder names outside ASCII need a
# UTF-8 one (the Western code page stays that of the C locale). The script's
# own tools read the results byte by byte.
wine_locale=${LC_ALL:-C.UTF-8}
export LC_ALL=C
generator=$here/../tests/hostile/hostile_cases.py
fixed=$(python3 "$generator" --fixed-count)
[ "$cases" = fixed ] && cases=$fixed

rm -rf "$work"
mkdir -p "$work"
results=$work/results.tsv
: >"$results"
status=0
for ((first = 0; first < cases; first += batch)); do
  count=$((cases - first < batch ? cases - first : batch))
  batch_dir=$work/batch
  rm -rf "$batch_dir"
  mkdir -p "$batch_dir"
  ln -s "$work/pool" "$batch_dir/pool" 2>/dev/null || true
  mkdir -p "$work/pool"
  python3 "$generator" "$batch_dir" "$first" "$count" "$seed" "$launcher"
  list=$batch_dir/cases.txt
  LC_ALL=$wine_locale "$here/wine-run.sh" "$prefix" "$driver" "Z:${list//\//\\}" "$start_ms" \
    | grep --line-buffered -P '^\d{4}-\S*\t' | tee -a "$results" || status=1
  rm -rf "$batch_dir"
done

echo "--- $cases cases (seed $seed) by outcome:"
cut -f2 "$results" | sort | uniq -c
echo "--- after a press:"
grep -o 'press: [a-z ]*' "$results" | sort | uniq -c || true
unexpected=$(awk -F'\t' '$2 ~ /^(crash|hang|not-started)$/ || ($3 != "-" && $2 != $3)' "$results")
if [ -n "$unexpected" ]; then
  echo "--- crashes, hangs and unexpected outcomes (case, outcome, expected, detail):"
  echo "$unexpected"
  status=1
fi
[ "$(wc -l <"$results")" -eq "$cases" ] || { echo "only $(wc -l <"$results") of $cases cases ran"; status=1; }
exit $status
