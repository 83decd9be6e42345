// The VIDEO_TS folder of a disc or a disc image, as its UDF file system lists it.
//
// libdvdread finds a disc's files by UDF alone, so this is the listing its reading depends on;
// an image may also have no ISO 9660 side, or one without VIDEO_TS. The files are found the way
// libdvdread finds them: the anchor at sector 256, partition 0 of the main volume descriptor
// sequence, the file set descriptor from the partition's start, names in any case, each file's
// entry the first one in its ICB's extent.
#pragma once

#include <cstdint>
#include <vector>

#include "backends/dvdread/image_directory.h"

namespace lumora::dvdread {

struct UdfListing {
    std::vector<ImageFile> files;  // sorted by upper-cased name; offset: of the file's first extent
    // Past the last byte that the listing was read from or that a listed file's entry or extents
    // occupy, found or not: beyond an image's end when the image was cut short.
    uint64_t end = 0;
};

UdfListing ReadUdfVideoTs(int image);

// A UDF timestamp (twelve bytes: type and zone, year, month, day, hour, minute, second,
// centiseconds, hundreds of microseconds, microseconds) in 100 ns units since 1601-01-01; 0 when
// it is no date.
uint64_t UdfTimeToFileTime(const uint8_t time[12]);

}  // namespace lumora::dvdread
