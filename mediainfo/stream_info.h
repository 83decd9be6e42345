// What one analysis learns of a file: its container, the type names of its streams, its video
// and each of its audio streams.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/hresult.h"

struct TKxVideoStreamInfo {
    std::string Codec;
    std::string Duration;    // "MM:SS" or "HH:MM:SS"
    std::string DurationMS;  // decimal digits
    std::string FourCC;      // "RGB", "RLE8", "RLE4", "BITFIELDS" or the code's characters
    std::string FormatName;  // a format block kind that is not examined in detail
    std::string AspectRatio;
    double BitRate = 0;  // bits per second
    double FrameRate = 0;
    double Aspect = 0;
    int32_t Width = 0;
    int32_t Height = 0;  // negative for top-down bitmaps
    int32_t FrameCount = 0;
    int32_t AspectX = 0;  // -1 when the ratio is not a recognised one
    int32_t AspectY = 0;
};

class TKxAudioStreamInfo {
public:
    std::string BitRate;  // bits per second
    std::string Channels;
    std::string SampleRate;
    std::string BitsPerSample;
    std::string Codec;
    std::string CodecInfo;  // never set
    std::string Duration;
    std::string DurationMS;
};

// The results of one analysis. Each type name holds the name written last; VideoMajorType also
// carries the failure markers.
struct MediaFileResults {
    std::vector<TKxAudioStreamInfo> AudioStreams;  // in stream order
    TKxVideoStreamInfo Video;
    std::string FileFormat;
    std::string OtherMajorType;
    std::string OtherSubType;
    std::string VideoMajorType;
    std::string VideoSubType;
    std::string AudioMajorType;
    std::string AudioSubType;
    // Why a failure marker was written: the system's errno (HResultFromErrno) for a file that
    // cannot be found or opened, else what the media detector answered; S_OK otherwise.
    HRESULT FailureResult = S_OK;
    std::string FailureDetail;  // the refused container's name, with VFW_E_UNSUPPORTED_STREAM
};
