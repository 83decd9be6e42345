// The details of a rendered volume: asked of the navigator's IDvdDetails and named.
#pragma once

#include <cstdint>

#include "dvd/kx_dvd_details.h"
#include "platform/dvd_interfaces.h"

// Fills details from the navigator, which must have rendered a volume: the volume's, then titles
// 1 to titleCount, where a title whose query fails stays not read (the titles after it are
// still asked). Leaves details as they are when the navigator has no IDvdDetails.
void ReadDVDDetails(IDvdInfo2& info, uint32_t titleCount, TKxDVDDetails& details);

// One title's details, copied and named.
TKxDVDTitleDetails ToDVDTitleDetails(const DvdTitleDetails& title);
