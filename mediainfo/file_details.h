// Every fact of a media file beyond what the page shows, named as the system names them: the
// record the full report, the JSON details and the details window all read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hardware_probe.h"
#include "platform/media_details.h"

struct DetailsVideo {
    int32_t width = 0;
    int32_t height = 0;
    std::optional<MediaRatio> sampleAspect;
    std::optional<MediaRatio> displayAspect;
    std::optional<MediaRatio> frameRate;  // average
    std::optional<MediaRatio> realFrameRate;
    std::optional<MediaFrameRateMode> frameRateMode;
    std::string pixelFormat;
    std::optional<int> bitDepth;
    std::string chromaSubsampling;  // "4:2:0"
    std::string colourRange;        // "Limited", "Full"
    std::string colourPrimaries;    // "BT.709"
    std::string transferCharacteristics;
    std::string matrixCoefficients;
    std::string chromaLocation;
    std::optional<MediaFieldOrder> fieldOrder;
    std::optional<double> rotation;  // degrees clockwise
    std::string stereo3d;
    std::string hdrFormat;           // "HDR10", "HLG", "Dolby Vision 8.1, HDR10 compatible", "HDR10+"
    std::string masteringPrimaries;  // "Display P3", or the coordinates
    std::optional<double> masteringMinLuminance;  // cd/m²
    std::optional<double> masteringMaxLuminance;
    std::optional<int> maxCll;   // cd/m²
    std::optional<int> maxFall;  // cd/m²
    std::optional<MediaDolbyVision> dolbyVision;
};

struct DetailsAudio {
    int channels = 0;
    std::string channelLayout;  // "5.1(side)"
    std::string channelNames;   // "FL FR FC LFE SL SR"
    int sampleRate = 0;
    std::optional<int> bitsPerSample;
    std::string sampleFormat;
    std::optional<bool> lossless;
};

struct DetailsAttachment {
    std::string fileName;
    std::string mimeType;
    std::optional<int64_t> size;
};

// A hardware decoding path of a stream: a device type one of its decoders can use, and what the
// probe of this machine answered.
struct DetailsHardwarePath {
    std::string deviceType;                     // libavutil's name ("vaapi")
    std::string typeName;                       // "VAAPI"
    std::optional<HardwareProbeAnswer> answer;  // none until ProbeHardwareDecoding
};

struct DetailsDecoding {
    std::string decoder;  // empty: none installed
    std::vector<std::string> otherDecoders;
    std::optional<bool> decodes;
    std::string decodeError;
    std::vector<DetailsHardwarePath> hardware;
};

struct DetailsStream {
    int index = 0;  // in the file
    MediaStreamKind kind = MediaStreamKind::Data;
    std::string codec;         // "h264"
    std::string codecLong;     // "H.264 / AVC / MPEG-4 AVC / MPEG-4 part 10"
    std::string codecTag;      // "avc1", "0x0055"; empty when none is stored
    std::string profile;       // "High"
    std::string level;         // "3.1", "Main"
    std::string format;        // subtitles: "SubRip", "PGS" …
    std::string language;      // as stored
    std::string languageName;  // "English"; empty for an unknown code
    std::string title;
    uint32_t dispositions = 0;       // MediaDisposition bits
    std::optional<double> duration;  // seconds
    std::optional<double> start;
    std::optional<double> delay;  // start relative to the first video stream's, for the other streams
    std::optional<int64_t> bitRate;
    std::vector<MediaTag> tags;
    DetailsVideo video;
    DetailsAudio audio;
    DetailsAttachment attachment;
    DetailsDecoding decoding;  // video, audio and subtitle streams
};

struct DetailsChapter {
    std::optional<double> start;
    std::optional<double> end;
    std::string title;
};

// The well-known tags of a file, found in any case of their keys.
struct DetailsNamedTags {
    std::string title, artist, album, comment, date, creationTime, encoder;
};

struct FileDetails {
    std::string formatName;      // "matroska,webm"
    std::string formatLongName;  // "Matroska / WebM"
    std::string brand;           // MP4/QuickTime major brand
    std::optional<int64_t> size;
    std::optional<double> duration;
    bool durationEstimated = false;
    std::optional<int64_t> bitRate;
    std::optional<double> start;
    std::vector<MediaTag> tags;
    DetailsNamedTags named;
    std::vector<DetailsStream> streams;
    std::vector<DetailsChapter> chapters;
    bool cutShort = false;
};

// The English name of a language by its locale identifier (dvd's LanguageName); the copy asks it
// only for identifiers the language codes know.
using LanguageNamer = std::string_view (*)(int32_t lcid);

// The record of what the detector handed over, with languages named by languageName.
FileDetails ToFileDetails(const MediaDetails& details, LanguageNamer languageName);

// Whether the kind is one libavcodec decodes: video, audio, subtitle.
bool DecodedKind(MediaStreamKind kind);

// The word for a stream kind ("video", "audio", "subtitle", "attachment", "data").
std::string_view StreamKindName(MediaStreamKind kind);

// The disposition bits in the order they are listed, with their names ("default", "forced" …).
struct DispositionName {
    uint32_t bit;
    std::string_view name;
};
inline constexpr DispositionName kDispositionNames[] = {
    {kDispositionDefault, "default"},
    {kDispositionForced, "forced"},
    {kDispositionHearingImpaired, "hearing_impaired"},
    {kDispositionVisualImpaired, "visual_impaired"},
    {kDispositionComment, "comment"},
    {kDispositionOriginal, "original"},
    {kDispositionDub, "dub"},
    {kDispositionCaptions, "captions"},
    {kDispositionDescriptions, "descriptions"},
    {kDispositionLyrics, "lyrics"},
    {kDispositionKaraoke, "karaoke"},
    {kDispositionAttachedPicture, "attached_pic"},
};
