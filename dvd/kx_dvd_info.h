// The DVD information of the last reading: the volume's facts and its titles, stored as the
// navigator answers them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dvd_types.h"

// One title, every field zero until the reader fills it.
class TKx_DVD_TitleInfo {
public:
    uint32_t NumberOfChapters = 0;
    DVD_MenuAttributes MenuAttributes{};
    DVD_TitleAttributes TitleAttributes{};
    DVD_HMSF_TIMECODE TotalTime{};
    uint32_t TimeCodeFlags = 0;
    uint32_t ParentalLevels = 0;
};

// The ordered titles of a volume; index i holds title i + 1. Owns its records.
class TKx_DVD_Titles {
public:
    void Add(std::unique_ptr<TKx_DVD_TitleInfo> title) { FItems.push_back(std::move(title)); }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // std::out_of_range outside 0 .. Count() − 1.
    const TKx_DVD_TitleInfo& Items(int32_t index) const { return *FItems.at(static_cast<size_t>(index)); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TKx_DVD_TitleInfo>> FItems;
};

// A reading overwrites the fields query by query; a failed query leaves its fields as they were
// (the title count excepted: it becomes 0).
class TKxDVDInfo {
public:
    TKx_DVD_Titles Titles;
    LCID DefaultMenuLanguage = 0;
    DVD_MenuAttributes VMGAttributes{};
    SPRMARRAY SPRMs{};
    GPRMARRAY GPRMs{};
    uint32_t UOPs = 0;
    uint64_t DiscID = 0;
    uint32_t NumberOfVolumes = 0;
    uint32_t Volume = 0;
    DVD_DISC_SIDE Side{};
    uint32_t NumberOfTitles = 0;
    BYTE CountryCode[2]{};
    DVD_DECODER_CAPS DecoderCaps{};
    uint32_t AudioStreamsAvailable = 0;
    uint32_t CurrentAudioStream = 0;
    LCID DefaultAudioLanguage = 0;
    DVD_AUDIO_LANG_EXT DefaultAudioLanguageExt{};
    uint32_t SubpictureStreamsAvailable = 0;
    uint32_t CurrentSubpictureStream = 0;
    bool SubpictureEnabled = false;
    LCID DefaultSubpictureLanguage = 0;
    DVD_SUBPICTURE_LANG_EXT DefaultSubpictureLanguageExt{};
    uint32_t ParentalLevel = 0;
};
