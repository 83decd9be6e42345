#!/usr/bin/env bash
# Writes fuzzer seeds from authored volumes: for each VIDEO_TS folder given, a file holding the
# 2-byte little-endian size of VIDEO_TS.IFO, VIDEO_TS.IFO and VTS_01_0.IFO.
#   make_dvd_ifo_seeds.sh OUTDIR VIDEO_TS...
set -euo pipefail
out=$1
shift
mkdir -p "$out"
for folder in "$@"; do
  manager="$folder/VIDEO_TS.IFO"
  size=$(stat -c %s "$manager")
  name=$(basename "$(dirname "$folder")")
  {
    printf "\\x$(printf %02x $((size & 255)))\\x$(printf %02x $((size >> 8 & 255)))"
    cat "$manager" "$folder/VTS_01_0.IFO"
  } >"$out/seed_$name"
done
