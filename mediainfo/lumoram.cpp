#include "mediainfo/lumoram.h"

#include "mediainfo/analyse_media_file.h"

TKxLumora::TKxLumora() : FDVDInfo(std::make_unique<TKxDVDInfo>()) {}

TKxLumora::~TKxLumora() = default;

void TKxLumora::ClearFileResults() {
    FAudioStreams.clear();
    FVideo = {};
    FFileFormat.clear();
    FOtherMajorType.clear();
    FOtherSubType.clear();
    FVideoMajorType.clear();
    FVideoSubType.clear();
    FAudioMajorType.clear();
    FAudioSubType.clear();
}

void TKxLumora::ReadFileInfo() {
    try {
        ClearFileResults();
        AnalyseMediaFile(FFileName, *this);
    } catch (...) {
        // The analysis reports its failures through VideoMajorType; anything else thrown
        // (memory exhaustion) leaves the results as far as they were filled.
    }
}

const TKxAudioStreamInfo& TKxLumora::GetAudioStream(int32_t index) const {
    return *FAudioStreams.at(static_cast<size_t>(index));
}
