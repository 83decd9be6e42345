#!/usr/bin/env bash
# Whole-process timing of `lumora_info --dvd` against `lsdvd -a -s -c` on the benchmark volumes, as
# folders and as images.
#   bench/dvd/compare_with_lsdvd.sh BUILD_DIR
# Needs hyperfine and lsdvd; the volumes are those dvd_reading_bench authors (run it first).
set -euo pipefail
build=${1:-build}
volumes="$build/bench/dvd/volumes"
for tool in hyperfine lsdvd; do
  command -v "$tool" >/dev/null || { echo "compare_with_lsdvd.sh: $tool is missing" >&2; exit 1; }
done
for volume in pal_mixed ntsc_mixed pal_silent many_99; do
  [ -d "$volumes/$volume" ] || { echo "missing $volumes/$volume: run $build/bench/dvd/dvd_reading_bench first" >&2; exit 1; }
  for path in "$volumes/$volume" "$volumes/$volume.iso"; do
    [ -e "$path" ] || continue
    hyperfine --style basic --warmup 3 --runs 30 -N \
      "$build/app/lumora_info --dvd $path" \
      "lsdvd -a -s -c $path"
  done
done
