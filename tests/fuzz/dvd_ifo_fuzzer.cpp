// libFuzzer entry for the DVD IFO parsing (built with -DLUMORA_BUILD_FUZZERS=ON and clang).
#include "tests/fuzz/dvd_ifo_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunDvdIfoInput(data, size);
    return 0;
}
