#!/usr/bin/env bash
# Configures a build folder quietly: CMake's whole output is shown only when it fails.
#   scripts/configure.sh BUILD_DIR [CMAKE_OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "== configuring $dir"
if ! cmake -S . -B "$dir" -G Ninja "$@" >"$log" 2>&1; then
  cat "$log" >&2
  echo "$(basename "$0"): configuring $dir failed (CMake's output above)" >&2
  exit 1
fi
