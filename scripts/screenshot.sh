#!/usr/bin/env bash
# Renews docs/screenshot-file-page.png: the window under xvfb-run with a sample video (two audio
# streams) analysed on its first page by the real media detector.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target window_screenshot

sample="$PWD/build/screenshot-sample.avi"
[ -f "$sample" ] || ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:duration=3 -f lavfi -i sine=frequency=880:duration=3 \
  -map 0 -map 1 -map 2 -c:v mpeg4 -tag:v XVID -b:v 1500k -c:a:0 pcm_s16le -c:a:1 libmp3lame -ac:a:1 1 "$sample"
mkdir -p docs
LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
  build/app/window_screenshot "$sample" docs/screenshot-file-page.png
echo "wrote docs/screenshot-file-page.png"
