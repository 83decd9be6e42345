#!/usr/bin/env bash
# Whole-process time of lumora_info -of full against ffprobe's JSON of the same facts, by
# hyperfine (medians and their ratio), for an MKV of several tracks with chapters and tags, a
# 720p MP4 and a 4K HEVC 10-bit HDR10 clip. The clips are made in a folder under $TMPDIR that is
# removed at the end.
#   bench/full_report.sh [BUILD_DIR]        (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
runs=${RUNS:-40}
for tool in hyperfine ffmpeg ffprobe python3; do
  command -v "$tool" >/dev/null || { echo "full_report.sh: $tool is missing" >&2; exit 1; }
done
info=$(realpath "$build/app/lumora_info")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '1\n00:00:00,000 --> 00:00:01,000\nBonjour\n' >"$work/fr.srt"
printf ';FFMETADATA1\ntitle=Holiday 2026\nartist=Someone\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Arrival\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Beach\n' >"$work/meta.txt"
ffmpeg -nostdin -v error -y -f lavfi -i testsrc=rate=25:duration=2:size=1280x720 \
  -f lavfi -i sine=duration=2:sample_rate=48000 -f lavfi -i sine=duration=2:sample_rate=48000 \
  -i "$work/fr.srt" -i "$work/meta.txt" -map 0 -map 1 -map 2 -map 3 -map_metadata 4 -map_chapters 4 \
  -c:v libx264 -preset veryfast -c:a:0 ac3 -ac:a:0 6 -c:a:1 libopus -c:s srt \
  -metadata:s:a:0 language=eng -metadata:s:a:0 title=Surround -metadata:s:a:1 language=rus \
  -metadata:s:s:0 language=fre -disposition:s:0 forced "$work/holiday.mkv"
ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=1280x720:rate=25:duration=10 \
  -f lavfi -i sine=duration=10 -c:v libx264 -preset veryfast -c:a aac "$work/sample.mp4"
ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=3840x2160:rate=25:duration=0.4 \
  -c:v libx265 -preset ultrafast -pix_fmt yuv420p10le -x265-params \
  "log-level=none:hdr10=1:colorprim=bt2020:transfer=smpte2084:colormatrix=bt2020nc:master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(10000000,1):max-cll=1000,400" \
  "$work/hdr10_4k.mkv"

for file in "$work/holiday.mkv" "$work/sample.mp4" "$work/hdr10_4k.mkv"; do
  echo "$(basename "$file")"
  hyperfine -N --style none --warmup 5 --runs "$runs" --export-json "$work/times.json" \
    "$info -of full $file" "ffprobe -v quiet -of json -show_format -show_streams -show_chapters $file" >/dev/null
  python3 - "$work/times.json" <<'PY'
import json, statistics, sys
ours, ffprobe = (statistics.median(r["times"]) for r in json.load(open(sys.argv[1]))["results"])
print(f"  lumora_info -of full {ours * 1000:.2f} ms, ffprobe {ffprobe * 1000:.2f} ms: {ours / ffprobe:.2f}x (target <= 0.6)")
PY
done
