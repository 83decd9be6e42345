#!/usr/bin/env bash
# Renews the screenshots in docs/ under xvfb-run, through the real backends, with samples under
# plain names in /tmp/Videos (a video with two audio streams, a Matroska file with every kind of
# stream and chapters, an authored DVD volume as a folder and as an ISO image):
#   screenshot-file-page.png       lumora_demo sample.avi
#   screenshot-dvd-page.png        the volume opened by its VIDEO_TS.IFO, first title selected
#   screenshot-dvd-long-audio.png  the same with the title's second, longer audio line chosen
#   screenshot-catalogue-page.png  this machine's catalogue
#   screenshot-drop.png            the volume's folder dropped onto the file page
#   screenshot-dvd-image.png       lumora_demo MY_DVD.iso, first title selected (only when the
#                                  DVD module reads images)
#   screenshot-details-file.png    the details window of holiday.mkv, as tall as its rows
#   screenshot-details-dvd.png     the details window of the volume, its second title expanded
#   screenshot-details-verify.png  the details window of damaged.ts (a transport stream with
#                                  bytes overwritten and zeros after its end) after its
#                                  integrity check
#   screenshot-catalogue-sound-server.png  the catalogue with a PulseAudio server of the picture's
#                                  own (two null sinks, a null source), its audio lists open
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --for-tests  # xvfb-run, ffmpeg, dvdauthor, genisoimage, pulseaudio
scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The pictures go through the backend modules, which the program loads but does not link.
cmake --build build -j "$(nproc)" --target window_screenshot ffmpeg dvdread devices

samples=/tmp/Videos
mkdir -p "$samples"
sample="$samples/sample.avi"
[ -f "$sample" ] || ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:duration=3 -f lavfi -i sine=frequency=880:duration=3 \
  -map 0 -map 1 -map 2 -c:v mpeg4 -tag:v XVID -b:v 1500k -c:a:0 pcm_s16le -c:a:1 libmp3lame -ac:a:1 1 "$sample"
# H.264 High, AC-3 5.1 "Surround" in English, Opus in Russian, forced French SubRip, two chapters,
# a title and an artist: the details tests' holiday.mkv.
mkv="$samples/holiday.mkv"
if [ ! -f "$mkv" ]; then
  parts=$(mktemp -d)
  printf '1\n00:00:00,000 --> 00:00:01,000\nBonjour\n\n2\n00:00:01,000 --> 00:00:02,000\nSalut\n' >"$parts/subtitles.srt"
  printf ';FFMETADATA1\ntitle=Holiday 2026\nartist=Someone\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Arrival\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Beach\n' >"$parts/metadata.txt"
  ffmpeg -v error -y -f lavfi -i testsrc=rate=25:duration=2:size=1280x720 \
    -f lavfi -i sine=frequency=440:duration=2:sample_rate=48000 -f lavfi -i sine=frequency=440:duration=2:sample_rate=48000 \
    -i "$parts/subtitles.srt" -i "$parts/metadata.txt" -map 0 -map 1 -map 2 -map 3 -map_metadata 4 -map_chapters 4 \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -color_primaries bt709 -color_trc bt709 -colorspace bt709 \
    -c:a:0 ac3 -ac:a:0 6 -c:a:1 libopus -c:s srt -metadata:s:a:0 language=eng -metadata:s:a:0 title=Surround \
    -metadata:s:a:1 language=rus -metadata:s:s:0 language=fre -disposition:s:0 forced "$mkv"
  rm -rf "$parts"
fi
damaged="$samples/damaged.ts"
if [ ! -f "$damaged" ]; then
  ffmpeg -v error -y -f lavfi -i testsrc2=size=640x360:rate=25:duration=8 -f lavfi -i sine=duration=8 \
    -c:v libx264 -preset veryfast -g 25 -c:a mp2 "$damaged"
  for offset in 300100 600100 900100; do
    printf '\x55\xaa\x55\xaa\x55\xaa\x55\xaa' | dd of="$damaged" bs=1 seek=$offset conv=notrunc status=none
  done
  head -c 100000 /dev/zero >>"$damaged"  # the demuxer loses its sync
fi
volume="$samples/MY_DVD"
if [ ! -d "$volume/VIDEO_TS" ]; then
  authored=$(mktemp -d)
  tests/integration/dvd/make_test_volumes.sh "$authored"
  rm -rf "$volume" && mv "$authored/pal_mixed" "$volume" && rm -rf "$authored"
fi
image="$samples/MY_DVD.iso"
[ -f "$image" ] || genisoimage -quiet -dvd-video -udf -V MY_DVD -o "$image" "$volume"

screen=1024x768
shoot() {
  LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 ${screen}x24 -dpi 96" build/app/window_screenshot "$@"
}
mkdir -p docs
shoot 1 docs/screenshot-file-page.png "$sample" && echo "wrote docs/screenshot-file-page.png"
shoot 2 docs/screenshot-dvd-page.png "$sample" "$volume/VIDEO_TS/VIDEO_TS.IFO" && echo "wrote docs/screenshot-dvd-page.png"
LUMORA_SCREENSHOT_AUDIO_LINE=2 shoot 2 docs/screenshot-dvd-long-audio.png "$sample" "$volume/VIDEO_TS/VIDEO_TS.IFO" &&
  echo "wrote docs/screenshot-dvd-long-audio.png"
shoot 3 docs/screenshot-catalogue-page.png "$sample" && echo "wrote docs/screenshot-catalogue-page.png"
shoot --drop docs/screenshot-drop.png "$sample" "$volume" && echo "wrote docs/screenshot-drop.png"
screen=1024x1024 shoot --details docs/screenshot-details-file.png "$mkv" && echo "wrote docs/screenshot-details-file.png"
shoot --details docs/screenshot-details-dvd.png "$volume/VIDEO_TS/VIDEO_TS.IFO" 2 &&
  echo "wrote docs/screenshot-details-dvd.png"
LUMORA_SCREENSHOT_VERIFY=1 shoot --details docs/screenshot-details-verify.png "$damaged" &&
  echo "wrote docs/screenshot-details-verify.png"
status=0
shoot 2 docs/screenshot-dvd-image.png "$image" || status=$?
case $status in
  0) echo "wrote docs/screenshot-dvd-image.png" ;;
  3) echo "not renewed: docs/screenshot-dvd-image.png (this build's DVD module reads no title from an image)" ;;
  *) exit "$status" ;;
esac

pulse="$PWD/build/screenshot-pulse"
rm -rf "$pulse" && mkdir -p "$pulse/home" && mkdir -m 700 "$pulse/runtime" && : >"$pulse/client.conf"
in_pulse=(env -u PULSE_SERVER -u DISPLAY PULSE_RUNTIME_PATH="$pulse/runtime" XDG_RUNTIME_DIR="$pulse/runtime"
          PULSE_CLIENTCONFIG="$pulse/client.conf")
HOME="$pulse/home" "${in_pulse[@]}" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
  --use-pid-file=no -L module-native-protocol-unix >"$pulse/server.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 400); do
  "${in_pulse[@]}" pactl info >/dev/null 2>&1 && break
  kill -0 $server 2>/dev/null || { cat "$pulse/server.log"; exit 1; }
  sleep 0.05
done
"${in_pulse[@]}" pactl load-module module-null-sink sink_name=null_output >/dev/null
"${in_pulse[@]}" pactl load-module module-null-sink sink_name=two_words \
  "sink_properties='device.description=\"Two Words\"'" >/dev/null
"${in_pulse[@]}" pactl load-module module-null-source source_name=null_input >/dev/null
png=docs/screenshot-catalogue-sound-server.png
"${in_pulse[@]}" LC_ALL=C.UTF-8 LUMORA_SCREENSHOT_OPEN_LISTS=cbAudioCaptureDevices,cbAudioOutputDevices \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/app/window_screenshot 3 "$png" "$sample"
echo "wrote $png"
