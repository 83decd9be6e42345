#!/usr/bin/env bash
# lumora_info over a whole tree of media files, whole process: against `mediainfo --Output=JSON
# TREE` and against one `ffprobe -of json` run per file (hyperfine, medians), its peak memory for
# 2,000 and 20,000 files (/usr/bin/time -v) and its most open descriptors at any moment.
#   bench/lumora_info_tree.sh [BUILD]     BUILD: a Release build folder (default build-rel)
# Environment: FILES (2000), RUNS (5), FFPROBE_RUNS (2), WORK (BUILD/bench-tree), SKIP_TIMES=1
# to measure only memory and descriptors.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
info=$(realpath "$build/app/lumora_info")
files=${FILES:-2000}
runs=${RUNS:-5}
work=${WORK:-$build/bench-tree}
for tool in ffmpeg ffprobe mediainfo hyperfine python3; do
  command -v "$tool" >/dev/null || { echo "lumora_info_tree.sh: $tool is missing" >&2; exit 2; }
done
mkdir -p "$work/samples"

# Two-second clips, one per container, each with the codecs such files usually carry.
picture=(-f lavfi -i testsrc=rate=25:duration=2:size=320x240)
tone=(-f lavfi -i sine=frequency=440:duration=2:sample_rate=44100)
make() {
  local name=$1
  shift
  [ -s "$work/samples/$name" ] || ffmpeg -nostdin -v error -y "$@" "$work/samples/$name"
}
make clip.avi "${picture[@]}" "${tone[@]}" -c:v mpeg4 -c:a libmp3lame
make clip.mkv "${picture[@]}" "${tone[@]}" -c:v libx264 -preset ultrafast -c:a ac3
make clip.mp4 "${picture[@]}" "${tone[@]}" -c:v libx264 -preset ultrafast -c:a aac
make clip.mpg "${picture[@]}" "${tone[@]}" -c:v mpeg2video -c:a mp2 -f vob
make clip.wav "${tone[@]}" -c:a pcm_s16le
make clip.ogg "${picture[@]}" "${tone[@]}" -c:v libtheora -c:a libvorbis
kinds=(avi mkv mp4 mpg wav ogg)

# tree COUNT: COUNT files, 100 to a folder, the kinds in turn; hard links past the first 2,000.
tree() {
  local count=$1 dir="$work/tree-$1"
  if [ "$(find "$dir" -type f 2>/dev/null | wc -l)" -ne "$count" ]; then
    rm -rf "$dir"
    for ((i = 0; i < count; i++)); do
      local folder
      folder=$(printf '%s/d%03d' "$dir" $((i / 100)))
      [ $((i % 100)) -eq 0 ] && mkdir -p "$folder"
      local first=$((i % 2000))
      local kind=${kinds[$((first % ${#kinds[@]}))]}
      if [ "$i" -lt 2000 ]; then
        cp "$work/samples/clip.$kind" "$(printf '%s/f%05d.%s' "$folder" "$i" "$kind")"
      else
        ln "$(printf '%s/d%03d/f%05d.%s' "$dir" $((first / 100)) "$first" "$kind")" \
          "$(printf '%s/f%05d.%s' "$folder" "$i" "$kind")"
      fi
    done
  fi
  echo "$dir"
}

small=$(tree "$files")
echo "== $files files in $small ($(du -sh "$small" | cut -f1))"
[ -n "${SKIP_TIMES:-}" ] || {
hyperfine -N --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  "$info --json -j 2 $small" "$info --json -j 1 $small" "mediainfo --Output=JSON $small"
hyperfine --runs "${FFPROBE_RUNS:-2}" --export-json "$work/ffprobe.json" \
  "find $small -type f -exec ffprobe -v quiet -of json -show_streams -show_format {} \\; >/dev/null"
python3 - "$work/times.json" "$work/ffprobe.json" <<'EOF'
import json, sys
times = [r["median"] for r in json.load(open(sys.argv[1]))["results"]]
ffprobe = json.load(open(sys.argv[2]))["results"][0]["median"]
j2, j1, mediainfo = times
print(f"medians: -j 2 {j2:.3f} s, -j 1 {j1:.3f} s, mediainfo {mediainfo:.3f} s, ffprobe per file {ffprobe:.1f} s")
print(f"-j 2 / mediainfo {j2 / mediainfo:.2f} (target <= 0.35), -j 1 / mediainfo {j1 / mediainfo:.2f} (target <= 0.6)")
print(f"ffprobe per file / -j 2 {ffprobe / j2:.0f}x, / -j 1 {ffprobe / j1:.0f}x (target >= 20x)")
EOF
}

# Peak memory and the most descriptors open at once, sampled every 10 ms.
for count in "$files" $((files * 10)); do
  dir=$(tree "$count")
  rss=$( { /usr/bin/time -v "$info" --json -j 2 "$dir" >/dev/null; } 2>&1 |
    awk -F': ' '/Maximum resident set size/ {print $2}')
  "$info" --json -j 2 "$dir" >/dev/null &
  pid=$!
  most=0
  while kill -0 "$pid" 2>/dev/null; do
    open=$(find "/proc/$pid/fd" -mindepth 1 2>/dev/null | wc -l) || open=0
    [ "$open" -gt "$most" ] && most=$open
    sleep 0.01
  done
  wait "$pid" || true
  echo "$count files: peak memory $((rss / 1024)) MB, at most $most descriptors open"
done
