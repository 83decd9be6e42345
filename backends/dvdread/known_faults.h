// libdvdread 6.1.3's faults on hostile IFO files, which the reading's child is there to contain.
// Each is shown by the input of tests/fuzz/dvd_ifo_inputs/crashes/ named after it.
#pragma once

#include "platform/isolated_run.h"

namespace lumora::dvdread {

inline constexpr KnownLibraryFault kKnownLibdvdreadFaults[] = {
    {"double-free", " in ifoFree_TT_SRPT "},  // libdvdread_tt_srpt_double_free
    {"double-free", " in ifoRead_FP_PGC "},   // libdvdread_first_play_pgc_double_free, _pgc_double_free
    {"heap-buffer-overflow", " in ifoRead_TT_SRPT "},  // libdvdread_tt_srpt_size_wrap_overflow
    {"allocation-size-too-big", "/libdvdread.so."},    // libdvdread_calloc_negative_size
    {"SEGV", " in ifoRead_PGCIT "},                    // libdvdread_pgcit_null_write
};

}  // namespace lumora::dvdread
