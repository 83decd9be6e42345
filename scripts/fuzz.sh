#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/ and runs each from its stored inputs for SECONDS (argument, else LUMORA_FUZZ_SECONDS,
# else 60). Fails on any crash of the road the programs take:
# - media_file_fuzzer: the programs run libavformat in their own process, so any crash, leak,
#   hang past the timeout or runaway allocation counts.
# - dvd_ifo_fuzzer: libdvdread runs here in the fuzzer's process (for coverage) but in a child
#   process in the programs, so its findings are replayed through the whole road
#   (dvd_ifo_regression_tests), which must come through them; a new fault of libdvdread's own is
#   named for storing, not counted as a crash.
# Findings are left in build-fuzz/findings/TARGET/; store each under
# tests/fuzz/INPUTS/crashes/ with a name that says what it found, where the regression tests of
# every build replay it.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${LUMORA_FUZZ_SECONDS:-60}}
dir=build-fuzz
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

echo "== fuzz build"
CXX=clang++ scripts/configure.sh "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_FUZZERS=ON \
  -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_GUI=OFF -DLUMORA_BUILD_BENCHMARKS=OFF
cmake --build "$dir" --target media_file_fuzzer media_file_regression_tests dvd_ifo_fuzzer \
  dvd_ifo_regression_tests

# TARGET [folders and libFuzzer options...]: runs the target from the stored inputs given and a
# corpus of its own in the build folder (the first folder, where it adds what it learns); leaves
# what it found in the findings folder.
fuzz() {
  local target=$1
  shift
  local corpus=$dir/corpus/$target findings=$dir/findings/$target
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  "$dir/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$@"
}

status=0
media=tests/fuzz/media_file_inputs
if ! fuzz media_file_fuzzer "$media/seeds" $(test -d "$media/crashes" && echo "$media/crashes") \
  -dict=tests/fuzz/media_file.dict; then
  echo "media_file_fuzzer found a crash: $dir/findings/media_file_fuzzer/" >&2
  status=1
fi

# libdvdread's own crashes here are known (tests/fuzz/dvd_ifo_inputs/crashes) and left out. In
# fork mode libFuzzer exits 1 after a crash it was told to ignore: the replay below decides.
fuzz dvd_ifo_fuzzer tests/fuzz/dvd_ifo_inputs/seeds -fork=1 -ignore_crashes=1 -ignore_timeouts=1 \
  -ignore_ooms=1 || true
# True when the sanitizer's report on standard input blames libdvdread: the first frame of its
# first stack that is not the sanitizer's own lies in libdvdread.
blames_libdvdread() {
  awk '/^ +#[0-9]+ / && !/libclang_rt|libasan|libubsan|__interceptor_|__asan_|__ubsan_/ {
         blamed = /libdvdread\.so/; exit
       }
       END { exit !blamed }'
}

# A finding whose replay ends the program on a report that blames libdvdread is a new fault of
# libdvdread, which the reading's child contains: it is to be stored (with its entry in
# backends/dvdread/known_faults.h), and is no failure of the programs. Any other end is.
findings=$dir/findings/dvd_ifo_fuzzer
replay=(env LUMORA_FUZZ_EXTRA_INPUTS="$dir/replay" "$dir/tests/fuzz/dvd_ifo_regression_tests"
  --gtest_filter=DvdIfoRegressions.EveryStoredInputRunsCleanly)
if [ -n "$(ls -A "$findings")" ]; then
  echo "== dvd_ifo_fuzzer's findings through the whole road"
  rm -rf "$dir/replay" && cp -r "$findings" "$dir/replay"
  if ! "${replay[@]}" >/dev/null 2>&1; then
    for finding in "$findings"/*; do
      rm -rf "$dir/replay" && mkdir "$dir/replay" && cp "$finding" "$dir/replay/"
      report=$("${replay[@]}" 2>&1) && continue
      if blames_libdvdread <<<"$report"; then
        echo "a new fault of libdvdread, contained by the reading's child: $finding" >&2
        echo "  store it under tests/fuzz/dvd_ifo_inputs/crashes/ and in backends/dvdread/known_faults.h" >&2
      else
        echo "$report" >&2
        echo "dvd_ifo_fuzzer found a crash of the whole road: $finding" >&2
        status=1
      fi
    done
  fi
fi
exit $status
