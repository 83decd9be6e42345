#!/usr/bin/env bash
# Renews the screenshots in docs/: the window under xvfb-run with a sample video (two audio
# streams) analysed on its first page, an authored DVD volume open on its second page with the
# first title selected, and this machine's catalogue on its third page, all through the real
# backends; then the catalogue page again with a PulseAudio server of the picture's own (two null
# sinks and a null source), its audio lists open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF >/dev/null
# The pictures go through the backend modules, which the program loads but does not link.
cmake --build build -j "$(nproc)" --target window_screenshot ffmpeg dvdread devices

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
LC_ALL=C.UTF-8 LUMORA_SCREENSHOT_OPEN_LISTS=cbAudioCaptureDevices,cbAudioOutputDevices "${in_pulse[@]}" \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/app/window_screenshot "$sample" "$png" 3 "$ifo"
echo "wrote $png"
