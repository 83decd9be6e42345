// Everything the navigator answers about a volume, as plain data: read from the IFO files by
// libdvdread in a child process and handed over whole.
#pragma once

#include <filesystem>
#include <type_traits>
#include <vector>

#include "platform/dvd_details.h"
#include "platform/dvd_types.h"

namespace lumora::dvdread {

struct VolumeFacts {
    ULONG numberOfVolumes;
    ULONG volume;
    DVD_DISC_SIDE side;
    ULONG titleCount;
    DVD_MenuAttributes videoManagerMenu;
    ULONG menuAudioStreams;
    ULONG menuSubpictureStreams;
    ULONG firstPlayUserOperations;
    ULONGLONG discId;
};

struct TitleFacts {
    uint32_t sound;  // 0: the title's data is broken and its queries fail
    ULONG chapters;
    ULONG parentalLevels;
    DVD_MenuAttributes menu;
    DVD_TitleAttributes attributes;
    DVD_HMSF_TIMECODE totalTime;
    ULONG timeCodeFlags;
    ULONG userOperations;
};

static_assert(std::is_trivially_copyable_v<VolumeFacts> && std::is_trivially_copyable_v<TitleFacts>);

struct VolumeSnapshot {
    std::filesystem::path location;  // the VIDEO_TS folder, the image or the drive
    VolumeFacts facts;
    std::vector<TitleFacts> titles;  // facts.titleCount entries, title t at t - 1
    DvdVolumeDetails volumeDetails = {};
    std::vector<DvdTitleDetails> titleDetails = {};  // as titles; a broken title's are empty
};

}  // namespace lumora::dvdread
