#!/usr/bin/env bash
# Installs what building and running Lumora need (not what only the tests need), builds both
# programs and the backend modules in build/ (build/app/lumora_demo, build/app/lumora_info) and
# opens the window; arguments go to lumora_demo (a file or DVD to open).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "run.sh: run it from a terminal of a desktop session (or over ssh -X); scripts/test.sh needs no display." >&2
  exit 1
fi

scripts/install-deps.sh

scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF \
  -DLUMORA_BUILD_BENCHMARKS=OFF
cmake --build build -j "$(nproc)" --target lumora_demo lumora_info
exec build/app/lumora_demo "$@"
