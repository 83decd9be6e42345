// The VIDEO_TS folder of a disc or a disc image, as its ISO 9660 directory records list it.
//
// A DVD-Video disc carries both UDF and ISO 9660 (the "UDF bridge"). libdvdread finds the files by
// UDF but tells neither a folder's listing nor the files' times, which the disc id hashes, so these
// come from the ISO 9660 primary volume's directory: names without their ";1" version, sizes,
// recording times (whole seconds, the recorded offset from UTC applied) and where each file lies.
#pragma once

#include <cstdint>
#include <vector>

#include "backends/dvdread/disc_id.h"

namespace lumora::dvdread {

struct ImageFile {
    VideoTsEntry entry;
    uint64_t offset;  // of the file's first byte in the image
};

// Whether the volume descriptors of ISO 9660 ("CD001") or UDF ("BEA01") begin at 32 KiB.
bool HasVolumeDescriptors(int image);

// Whether the first volume descriptor is an ISO 9660 primary volume's.
bool HasIsoPrimaryDescriptor(int image);

// The files directly in /VIDEO_TS (any case), sorted by upper-cased name; empty when the image has
// no ISO 9660 primary volume or no such folder.
std::vector<ImageFile> ReadImageVideoTs(int image);

// The ISO 9660 recording time (seven bytes: years since 1900, month, day, hour, minute, second,
// offset from UTC in 15-minute steps) in 100 ns units since 1601-01-01; 0 when it is no date.
uint64_t IsoRecordingTimeToFileTime(const uint8_t time[7]);

}  // namespace lumora::dvdread
