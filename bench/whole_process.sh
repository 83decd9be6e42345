#!/usr/bin/env bash
# Whole-process times of lumora_info and the window against the peer tools, by hyperfine (medians
# in milliseconds and their ratios). The samples are made here; the DVD volume is one that
# tests/integration/dvd/make_test_volumes.sh authors.
#   bench/whole_process.sh [BUILD_DIR]        (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
runs=${RUNS:-40}
for tool in hyperfine ffmpeg ffprobe mediainfo lsdvd python3; do
  command -v "$tool" >/dev/null || { echo "whole_process.sh: $tool is missing" >&2; exit 1; }
done
work="$build/bench/whole-process"
mkdir -p "$work"
sample="$work/sample.mp4"
[ -f "$sample" ] || ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=1280x720:rate=25:duration=10 \
  -f lavfi -i sine=duration=10 -c:v libx264 -preset veryfast -c:a aac "$sample"
avi="$work/sample.avi"
[ -f "$avi" ] || ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=10 \
  -f lavfi -i sine=duration=10 -c:v mpeg4 -vtag XVID -c:a pcm_s16le "$avi"
volumes="$work/volumes"
[ -d "$volumes/pal_mixed" ] || tests/integration/dvd/make_test_volumes.sh "$volumes" >/dev/null
volume="$volumes/pal_mixed"
info="$build/app/lumora_info"

compare() {  # NAME COMMAND...
  local name=$1; shift
  hyperfine -N --style none --warmup 5 --runs "$runs" --export-json "$work/$name.json" "$@" >/dev/null
  python3 - "$work/$name.json" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
base = statistics.median(results[0]["times"])
for r in results:
    m = statistics.median(r["times"])
    print(f"  {m * 1000:8.2f} ms  {m / base:6.2f}x  {r['command']}")
PY
}

echo "lumora_info --version"
compare version "$info --version"
for file in "$sample" "$avi"; do
  echo "one file: $(basename "$file")"
  compare "file-$(basename "$file")" "$info $file" "ffprobe -v quiet -show_streams $file" "mediainfo $file"
done
echo "DVD volume: $(basename "$volume")"
compare dvd "$info --dvd $volume" "lsdvd -a -s -c $volume"
if [ -x "$build/app/lumora_demo" ]; then
  echo "the window shown with the catalogue read (offscreen)"
  QT_QPA_PLATFORM=offscreen compare window "env LUMORA_QUIT_WHEN_SHOWN=1 $build/app/lumora_demo"
fi
