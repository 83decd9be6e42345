// A title's chapters and cells placed in time: the cells' playing times summed in order, an
// angle block counted once (by its first cell), each chapter the cells from its program's first
// to the next program's.
#pragma once

#include <cstdint>
#include <vector>

#include "dvd/kx_dvd_details.h"

struct TKxDVDTimeline {
    std::vector<TKxDVDChapter> Chapters;
    std::vector<TKxDVDCell> Cells;
};

// A chapter whose program map entry points outside the cell table, or not past the one before,
// has no cells and no times; a cell of invalid time leaves its chapter's length unknown and every
// later start.
TKxDVDTimeline DvdTimeline(const std::vector<uint8_t>& programMap, const std::vector<DvdCellDetails>& cells);
