// libFuzzer entry for the DVD IFO parsing (built with -DLUMORA_BUILD_FUZZERS=ON and clang). It
// reads in this process so that coverage counts; libdvdread's own crashes are expected among the
// findings (run with -fork=1 -ignore_crashes=1 and sort them by stack).
#include "tests/fuzz/dvd_ifo_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunDvdIfoInputInProcess(data, size);
    return 0;
}
