// One fuzzing run over the DVD navigator and reader: the input becomes a volume's two IFO files.
#pragma once

#include <cstddef>
#include <cstdint>

// Input layout: a 2-byte little-endian length n, then n bytes of VIDEO_TS.IFO, then the rest as
// VTS_01_0.IFO (a shorter input gives what there is). Never fails; crashes are the findings.

// The whole road: the reader and every navigator query, with libdvdread in its child process.
void RunDvdIfoInput(const uint8_t* data, size_t size);

// The backend's reading in this process, where the fuzzer sees it: libdvdread's parsing and the
// snapshot built from it, details named. Crashes inside libdvdread show up here too.
void RunDvdIfoInputInProcess(const uint8_t* data, size_t size);

// Removes the volume folders left by processes of the harness that ended without exit handlers
// (crashes and timeouts while fuzzing); each process does it as it starts its first run.
void RemoveVolumesOfEndedRuns();
