#!/usr/bin/env bash
# Builds Lumora three times and runs every test of each build: plain, with AddressSanitizer +
# UndefinedBehaviorSanitizer, and without any backend module (the system's code alone, as a build
# that leaves the backends out has it). Warnings are errors here. Then runs the fuzz targets.
# The tests keep their settings and caches in the build folder (tests/CMakeLists.txt); this
# script fails when they left anything new in ~/.config or ~/.cache all the same.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --for-tests

# The names directly in the user's folders of settings and caches.
user_folders() { { find "$HOME/.config" "$HOME/.cache" -mindepth 1 -maxdepth 1 2>/dev/null || true; } | sort; }
user_folders_before=$(user_folders)
check_user_folders() {
  local appeared
  appeared=$(comm -13 <(echo "$user_folders_before") <(user_folders))
  [ -z "$appeared" ] || { printf 'test.sh: the tests wrote into your home folder:\n%s\n' "$appeared" >&2; exit 1; }
}

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
  scripts/configure.sh "$dir" "${flags[@]}"
  cmake --build "$dir" -j "$jobs"
  echo "== $variant tests"
  if ! ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300; then
    # LeakSanitizer's tracer now and then crashes as a test process ends, after the test passed
    # ("Tracer caught signal 11": a fault of the sanitizer runtime, google/sanitizers#1353). Then
    # the failed tests run once more; any other failure stands.
    [ "$variant" = asan ] && grep -q "^Tracer caught signal" "$dir/Testing/Temporary/LastTest.log" || exit 1
    echo "== $variant tests: the failed ones once more, LeakSanitizer's tracer having crashed"
    ctest --test-dir "$dir" --output-on-failure --rerun-failed --timeout 300
  fi
  check_user_folders
done

# Each fuzz target for a minute from its stored inputs (LUMORA_FUZZ_SECONDS to change).
scripts/fuzz.sh
check_user_folders
