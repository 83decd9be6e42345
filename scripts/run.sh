#!/usr/bin/env bash
# Builds Lumora and shows what it makes of a small sample video.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"

sample=build/sample.avi
[ -f "$sample" ] || ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:duration=3 -c:v mpeg4 -tag:v XVID -c:a pcm_s16le "$sample"
exec build/app/lumora_info "$sample" "$@"
