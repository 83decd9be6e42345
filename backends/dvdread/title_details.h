// A title's details as its IFO tables hold them: the title table's entry, its title set's
// attributes and its entry program chain, every count and pointer checked before use.
#pragma once

#include <dvdread/ifo_types.h>

#include "platform/dvd_details.h"

namespace lumora::dvdread {

// A time's BCD digits decoded; an invalid digit leaves it invalid.
DvdTime ToDvdTime(const dvd_time_t& time);

// The title set's streams come with the entry chain's control words; its programs and cells are
// the chain's, as many as it counts and has tables for.
DvdTitleDetails ReadTitleDetails(const title_info_t& info, const vtsi_mat_t& titleSet,
                                 const pgc_t& entryChain);

}  // namespace lumora::dvdread
