// The volume's own details: its label and where it comes from, the video manager's identifiers,
// title sets and category.
#pragma once

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_types.h>

#include <string>

#include "backends/dvdread/volume_location.h"
#include "platform/dvd_details.h"

namespace lumora::dvdread {

struct VolumeLabel {
    std::string text;  // UTF-8
    DvdLabelSource source = DvdLabelSource::None;
};

// A folder volume's label is the name of the folder that holds its VIDEO_TS. An image's or a
// drive's is the UDF volume identifier, else the ISO 9660 one where the disc has an ISO 9660
// primary volume descriptor (libdvdread reads that sector without looking at what it is); none
// when neither says anything.
VolumeLabel ReadVolumeLabel(dvd_reader_t* reader, const VolumeLocation& location, bool isoPrimaryVolume);

DvdVolumeDetails VolumeDetailsOf(const vmgi_mat_t& manager, VolumeLabel label);

}  // namespace lumora::dvdread
