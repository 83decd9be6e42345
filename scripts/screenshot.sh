#!/usr/bin/env bash
# Renews the screenshots in docs/ under xvfb-run, through the real backends, with samples under
# plain names in /tmp/Videos (a video with two audio streams, an authored DVD volume as a folder
# and as an ISO image):
#   screenshot-file-page.png       lumora_demo sample.avi
#   screenshot-dvd-page.png        the volume opened by its VIDEO_TS.IFO, first title selected
#   screenshot-catalogue-page.png  this machine's catalogue
#   screenshot-drop.png            the volume's folder dropped onto the file page
#   screenshot-dvd-image.png       lumora_demo MY_DVD.iso, first title selected (only when the
#                                  DVD module reads images)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target window_screenshot

samples=/tmp/Videos
mkdir -p "$samples"
sample="$samples/sample.avi"
[ -f "$sample" ] || ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:duration=3 -f lavfi -i sine=frequency=880:duration=3 \
  -map 0 -map 1 -map 2 -c:v mpeg4 -tag:v XVID -b:v 1500k -c:a:0 pcm_s16le -c:a:1 libmp3lame -ac:a:1 1 "$sample"
volume="$samples/MY_DVD"
if [ ! -d "$volume/VIDEO_TS" ]; then
  authored=$(mktemp -d)
  tests/integration/dvd/make_test_volumes.sh "$authored"
  rm -rf "$volume" && mv "$authored/pal_mixed" "$volume" && rm -rf "$authored"
fi
image="$samples/MY_DVD.iso"
[ -f "$image" ] || genisoimage -quiet -dvd-video -udf -V MY_DVD -o "$image" "$volume"

shoot() {
  LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/app/window_screenshot "$@"
}
mkdir -p docs
shoot 1 docs/screenshot-file-page.png "$sample" && echo "wrote docs/screenshot-file-page.png"
shoot 2 docs/screenshot-dvd-page.png "$sample" "$volume/VIDEO_TS/VIDEO_TS.IFO" && echo "wrote docs/screenshot-dvd-page.png"
shoot 3 docs/screenshot-catalogue-page.png "$sample" && echo "wrote docs/screenshot-catalogue-page.png"
shoot --drop docs/screenshot-drop.png "$sample" "$volume" && echo "wrote docs/screenshot-drop.png"
status=0
shoot 2 docs/screenshot-dvd-image.png "$image" || status=$?
case $status in
  0) echo "wrote docs/screenshot-dvd-image.png" ;;
  3) echo "not renewed: docs/screenshot-dvd-image.png (this build's DVD module reads no title from an image)" ;;
  *) exit "$status" ;;
esac
