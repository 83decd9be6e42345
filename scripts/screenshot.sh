#!/usr/bin/env bash
# Renews the screenshots in docs/: the window under xvfb-run with a sample video (two audio
# streams) analysed on its first page, an authored DVD volume open on its second page with the
# first title selected, and this machine's catalogue on its third page, all through the real
# backends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target window_screenshot

sample="$PWD/build/screenshot-sample.avi"
[ -f "$sample" ] || ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:duration=3 -f lavfi -i sine=frequency=880:duration=3 \
  -map 0 -map 1 -map 2 -c:v mpeg4 -tag:v XVID -b:v 1500k -c:a:0 pcm_s16le -c:a:1 libmp3lame -ac:a:1 1 "$sample"
volumes="$PWD/build/screenshot-volumes"
[ -d "$volumes/pal_mixed" ] || tests/integration/dvd/make_test_volumes.sh "$volumes"
ifo="$volumes/pal_mixed/VIDEO_TS/VIDEO_TS.IFO"

mkdir -p docs
for page in 1:file 2:dvd 3:catalogue; do
  png="docs/screenshot-${page#*:}-page.png"
  LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    build/app/window_screenshot "$sample" "$png" "${page%%:*}" "$ifo"
  echo "wrote $png"
done
