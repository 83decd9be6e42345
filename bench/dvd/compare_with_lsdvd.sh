#!/usr/bin/env bash
# Whole-process timing on the benchmark volumes, as folders and as images, medians by hyperfine:
# `lumora_info --dvd` against `lsdvd -a -s -c` (the page's facts) and `lumora_info -of full --dvd`
# against `lsdvd -x` (every fact). The two commands of a pair take turns in ROUNDS rounds of RUNS
# runs each, so that a change in the machine's load weighs on both alike.
#   bench/dvd/compare_with_lsdvd.sh BUILD_DIR        ROUNDS=10 RUNS=5 by default
# Needs hyperfine, lsdvd and python3; the volumes are those dvd_reading_bench authors (run it first).
set -euo pipefail
build=${1:-build}
rounds=${ROUNDS:-10}
runs=${RUNS:-5}
volumes="$build/bench/dvd/volumes"
for tool in hyperfine lsdvd python3; do
  command -v "$tool" >/dev/null || { echo "compare_with_lsdvd.sh: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
compare() {
  for ((round = 0; round < rounds; round++)); do
    hyperfine -N --style none --warmup 2 --runs "$runs" --export-json "$work/$round.json" "$1" "$2" >/dev/null
  done
  python3 - "$3" "$work"/*.json <<'PY'
import json, statistics, sys
runs = [json.load(open(name))["results"] for name in sys.argv[2:]]
ours, lsdvd = (statistics.median(t for results in runs for t in results[i]["times"]) for i in (0, 1))
print(f"  {sys.argv[1]}: {ours * 1000:.2f} ms against {lsdvd * 1000:.2f} ms, {ours / lsdvd:.2f}x")
PY
  rm -f "$work"/*.json
}
for volume in pal_mixed ntsc_mixed pal_silent many_99; do
  [ -d "$volumes/$volume" ] || { echo "missing $volumes/$volume: run $build/bench/dvd/dvd_reading_bench first" >&2; exit 1; }
  for path in "$volumes/$volume" "$volumes/$volume.iso"; do
    [ -e "$path" ] || continue
    echo "$(basename "$path")"
    compare "$build/app/lumora_info --dvd $path" "lsdvd -a -s -c $path" "--dvd against lsdvd -a -s -c"
    compare "$build/app/lumora_info -of full --dvd $path" "lsdvd -x $path" "-of full --dvd against lsdvd -x"
  done
done
