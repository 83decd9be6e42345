#!/usr/bin/env bash
# Builds Lumora three times and runs every test of each build: plain, with AddressSanitizer +
# UndefinedBehaviorSanitizer, and without any backend module (the system's code alone, as a build
# that leaves the backends out has it). Warnings are errors here. Then runs the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
for variant in release asan minimal; do
  dir="build-test-$variant"
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_BENCHMARKS=OFF -DLUMORA_WERROR=ON)
  case $variant in
    asan) flags+=(-DLUMORA_SANITIZE=ON) ;;
    minimal) flags+=(-DLUMORA_WITH_FFMPEG=OFF -DLUMORA_WITH_DVDREAD=OFF -DLUMORA_WITH_DEVICES=OFF
                     -DLUMORA_BUILD_GUI=OFF) ;;
  esac
  echo "== $variant build"
  cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "== $variant tests"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
done

# Each fuzz target for a minute from its stored inputs (LUMORA_FUZZ_SECONDS to change).
scripts/fuzz.sh
