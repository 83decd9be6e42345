#!/usr/bin/env bash
# Builds Lumora twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# every test of both builds: unit, integration and ui.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
for variant in release asan; do
  dir="build-test-$variant"
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_BENCHMARKS=OFF)
  [ "$variant" = asan ] && flags+=(-DLUMORA_SANITIZE=ON)
  echo "== $variant build"
  cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "== $variant tests"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
done
