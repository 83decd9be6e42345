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

// What DVD_TitleAttributes answers, without its multichannel tables (never filled): a title's
// facts take 1 KB rather than 3.4 KB, in the child, in its answer and in this process.
struct TitleAttributes {
    DVD_TITLE_APPMODE appMode;
    DVD_VideoAttributes video;
    ULONG audioStreams;  // at most 8
    DVD_AudioAttributes audio[8];
    ULONG subpictureStreams;  // at most 32
    DVD_SubpictureAttributes subpictures[32];

    DVD_TitleAttributes Whole() const;
};

struct TitleFacts {
    uint32_t sound;  // 0: the title's data is broken and its queries fail
    ULONG chapters;
    ULONG parentalLevels;
    DVD_MenuAttributes menu;
    TitleAttributes attributes;
    DVD_HMSF_TIMECODE totalTime;
    ULONG timeCodeFlags;
    ULONG userOperations;
};

static_assert(std::is_trivially_copyable_v<VolumeFacts> && std::is_trivially_copyable_v<TitleFacts>);
static_assert(std::extent_v<decltype(TitleAttributes::audio)> ==
                  std::extent_v<decltype(DVD_TitleAttributes::AudioAttributes)> &&
              std::extent_v<decltype(TitleAttributes::subpictures)> ==
                  std::extent_v<decltype(DVD_TitleAttributes::SubpictureAttributes)>);

struct VolumeSnapshot {
    std::filesystem::path location;  // the VIDEO_TS folder, the image or the drive
    VolumeFacts facts;
    std::vector<TitleFacts> titles;  // facts.titleCount entries, title t at t - 1
    DvdVolumeDetails volumeDetails = {};
    std::vector<DvdTitleDetails> titleDetails = {};  // as titles; a broken title's are empty
};

}  // namespace lumora::dvdread
