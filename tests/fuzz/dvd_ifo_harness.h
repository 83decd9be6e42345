// One fuzzing run over the DVD navigator and reader: the input becomes a volume's two IFO files.
#pragma once

#include <cstddef>
#include <cstdint>

// Input layout: a 2-byte little-endian length n, then n bytes of VIDEO_TS.IFO, then the rest as
// VTS_01_0.IFO (a shorter input gives what there is). Never fails; crashes are the findings.
void RunDvdIfoInput(const uint8_t* data, size_t size);
