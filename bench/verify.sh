#!/usr/bin/env bash
# lumora_info --verify against `ffmpeg -v error -threads 0 -i FILE -f null -` on a 60 s 1080p
# H.264 file (whole processes, paired runs in turn, medians and their ratio), and its peak memory
# over a 1 GB and a 4 GB file. The clips are kept in BUILD_DIR/bench/verify (about 5.2 GB) to be
# used again; WORK= puts them elsewhere.
#   bench/verify.sh [BUILD_DIR]        (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
runs=${RUNS:-5}
for tool in ffmpeg python3; do
  command -v "$tool" >/dev/null || { echo "verify.sh: $tool is missing" >&2; exit 1; }
done
info=$(realpath "$build/app/lumora_info")
work=${WORK:-$build/bench/verify}
mkdir -p "$work"

clip=$work/h264_1080p_60s.mp4
[ -s "$clip" ] || ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=1920x1080:rate=25:duration=60 \
  -f lavfi -i sine=duration=60 -c:v libx264 -preset veryfast -b:v 8M -c:a aac -b:a 128k "$clip"
# Raw pictures cost nothing to decode: what these show is the reading's memory.
for gigabytes in 1 4; do
  big=$work/raw_${gigabytes}g.mkv
  [ -s "$big" ] || ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=640x360:rate=25" \
    -frames:v $((gigabytes * 3105)) -c:v rawvideo -pix_fmt yuv420p "$big"
done

python3 - "$info" "$clip" "$runs" <<'PY'
import statistics, subprocess, sys, time
info, clip, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
commands = {"lumora_info": [info, "--verify", "--no-progress", clip],
            "ffmpeg": ["ffmpeg", "-nostdin", "-v", "error", "-threads", "0", "-i", clip, "-f", "null", "-"]}
times = {name: [] for name in commands}
for _ in range(runs):
    for name, command in commands.items():
        start = time.monotonic()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times[name].append(time.monotonic() - start)
ours, theirs = (statistics.median(times[name]) for name in commands)
ratios = statistics.median(o / t for o, t in zip(times["lumora_info"], times["ffmpeg"]))
print(f"60 s 1080p H.264: lumora_info --verify {ours:.2f} s, ffmpeg {theirs:.2f} s: "
      f"{ours / theirs:.2f}x of the medians, {ratios:.2f}x the median of paired runs (target <= 1.1)")
PY
for gigabytes in 1 4; do
  big=$work/raw_${gigabytes}g.mkv
  peak=$( { /usr/bin/time -f %M "$info" --verify --no-progress "$big" >/dev/null; } 2>&1 | tail -1)
  echo "$(du -h "$big" | cut -f1) raw video: peak memory $((peak / 1024)) MB"
done
