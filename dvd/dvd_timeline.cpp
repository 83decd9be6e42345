#include "dvd/dvd_timeline.h"

#include <optional>

namespace {

std::optional<double> Sum(std::optional<double> a, std::optional<double> b) {
    if (!a || !b) return std::nullopt;
    return *a + *b;
}

// Of an angle block only the first cell plays for the title's time; the others are its other angles.
bool Counts(const DvdCellDetails& cell) { return cell.blockMode <= 1; }

std::string AngleBlock(const DvdCellDetails& cell) {
    constexpr const char* kPlaces[] = {"", "first", "inner", "last"};
    return cell.blockType == 1 && cell.blockMode < 4 ? kPlaces[cell.blockMode] : "";
}

}  // namespace

TKxDVDTimeline DvdTimeline(const std::vector<uint8_t>& programMap, const std::vector<DvdCellDetails>& cells) {
    TKxDVDTimeline timeline;
    std::optional<double> position = 0;
    std::optional<double> blockStart = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        const DvdCellDetails& cell = cells[i];
        TKxDVDCell named{static_cast<uint32_t>(i + 1), position, DvdTimeSeconds(cell.playbackTime),
                         AngleBlock(cell), cell.seamlessPlay};
        if (Counts(cell)) {
            blockStart = position;
            position = Sum(position, named.Length);
        } else {
            named.Start = blockStart;
        }
        timeline.Cells.push_back(std::move(named));
    }
    const size_t end = cells.size() + 1;  // the number after the last cell
    for (size_t i = 0; i < programMap.size(); ++i) {
        TKxDVDChapter chapter{static_cast<uint32_t>(i + 1), programMap[i], 0, std::nullopt, std::nullopt};
        const size_t first = programMap[i];
        const size_t next = i + 1 < programMap.size() ? programMap[i + 1] : end;
        if (first >= 1 && first < next && next <= end) {
            chapter.LastCell = static_cast<uint32_t>(next - 1);
            chapter.Start = timeline.Cells[first - 1].Start;
            chapter.Length = 0;
            for (size_t c = first - 1; c < next - 1; ++c)
                if (Counts(cells[c])) chapter.Length = Sum(chapter.Length, timeline.Cells[c].Length);
        }
        timeline.Chapters.push_back(chapter);
    }
    return timeline;
}
