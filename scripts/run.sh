#!/usr/bin/env bash
# Builds Lumora and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target lumora_demo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to show the window on; start it from a desktop session" >&2
  exit 1
fi
exec build/app/lumora_demo
