// libFuzzer entry for the media detector and the file analysis (built with
// -DLUMORA_BUILD_FUZZERS=ON and clang; scripts/fuzz.sh runs it). libavformat is not instrumented:
// coverage comes from our side, crashes from both.
#include "tests/fuzz/media_file_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunMediaFileInput(data, size);
    return 0;
}
