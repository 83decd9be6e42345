// Every fact a media file's headers hold, as the media detector hands them to the system: plain
// numbers and UTF-8 texts, std::optional where the file does not tell.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/unknown.h"

inline constexpr IID IID_IMediaDetails = MakeGuid("{5C7E2A91-3F4B-4D86-B1E0-8A2D6C9F4E37}");

enum class MediaStreamKind : uint8_t { Video, Audio, Subtitle, Attachment, Data };

// How the container marks a stream, one bit per flag.
enum MediaDisposition : uint32_t {
    kDispositionDefault = 1u << 0,
    kDispositionForced = 1u << 1,
    kDispositionHearingImpaired = 1u << 2,
    kDispositionVisualImpaired = 1u << 3,
    kDispositionComment = 1u << 4,
    kDispositionOriginal = 1u << 5,
    kDispositionDub = 1u << 6,
    kDispositionCaptions = 1u << 7,
    kDispositionDescriptions = 1u << 8,
    kDispositionLyrics = 1u << 9,
    kDispositionKaraoke = 1u << 10,
    kDispositionAttachedPicture = 1u << 11,  // cover art
};

// Progressive, or which field is coded first and which shown first.
enum class MediaFieldOrder : uint8_t {
    Progressive,
    TopFirst,             // coded and shown top field first
    BottomFirst,          // coded and shown bottom field first
    TopCodedBottomShown,  // coded top first, shown bottom first
    BottomCodedTopShown,  // coded bottom first, shown top first
};

enum class MediaFrameRateMode : uint8_t { Constant, Variable };

struct MediaRatio {
    int64_t num = 0;
    int64_t den = 1;
};

struct MediaTag {
    std::string key;
    std::string value;
};

// CIE 1931 xy coordinates.
struct MediaChromaticity {
    double x = 0;
    double y = 0;
};

// SMPTE ST 2086: the display the picture was mastered on.
struct MediaMasteringDisplay {
    std::optional<MediaChromaticity> red, green, blue, whitePoint;
    std::optional<double> minLuminance, maxLuminance;  // cd/m²
};

// The Dolby Vision decoder configuration record.
struct MediaDolbyVision {
    int versionMajor = 0;
    int versionMinor = 0;
    int profile = 0;
    int level = 0;
    bool rpu = false;         // the reference processing unit is present
    bool el = false;          // an enhancement layer
    bool bl = false;          // a base layer
    int compatibilityId = 0;  // what the base layer is compatible with (1 HDR10, 2 SDR, 4 HLG …)
};

// Log2 of the chroma planes' horizontal and vertical subsampling (1, 1 for 4:2:0).
struct MediaChromaSubsampling {
    int horizontal = 0;
    int vertical = 0;
};

struct MediaVideoDetails {
    int32_t width = 0;
    int32_t height = 0;
    std::optional<MediaRatio> sampleAspect;
    std::optional<MediaRatio> displayAspect;
    std::optional<MediaRatio> averageFrameRate;
    std::optional<MediaRatio> realFrameRate;  // the lowest rate that represents every timestamp
    std::optional<MediaFrameRateMode> frameRateMode;
    std::string pixelFormat;  // libavutil's name ("yuv420p10le")
    std::optional<int> bitDepth;
    std::optional<MediaChromaSubsampling> chromaSubsampling;  // YUV with chroma planes only
    // ITU-T H.273 code points; range is VideoFullRangeFlag (0 limited, 1 full).
    std::optional<int> colorRange;
    std::optional<int> colorPrimaries;
    std::optional<int> transferCharacteristics;
    std::optional<int> matrixCoefficients;
    std::optional<int> chromaLocation;
    std::optional<MediaFieldOrder> fieldOrder;
    std::optional<double> rotation;  // degrees clockwise to turn the picture for display, [0, 360)
    std::string stereo3d;            // libavutil's name of the packing ("side by side"); empty for 2D
    std::optional<MediaMasteringDisplay> masteringDisplay;
    std::optional<int> maxContentLightLevel;       // cd/m²
    std::optional<int> maxFrameAverageLightLevel;  // cd/m²
    std::optional<MediaDolbyVision> dolbyVision;
    bool hdr10Plus = false;  // dynamic metadata (SMPTE ST 2094-40) in the first frames
};

struct MediaAudioDetails {
    int channels = 0;
    std::string channelLayout;  // libavutil's description ("5.1(side)"); empty for a bare count
    std::string channelNames;   // each channel's name ("FL FR FC LFE SL SR"); empty when unknown
    int sampleRate = 0;
    std::optional<int> bitsPerSample;  // where the source has a depth: PCM and lossless codecs
    std::string sampleFormat;          // libavutil's name ("fltp")
    std::optional<bool> lossless;
};

struct MediaAttachmentDetails {
    std::string fileName;
    std::string mimeType;
    std::optional<int64_t> size;  // bytes
};

// What this machine's libavcodec does with a stream, learnt in the same reading.
struct MediaDecoding {
    std::string decoder;  // the one libavcodec picks ("h264", "libdav1d"); empty: none installed
    std::vector<std::string> otherDecoders;  // the codec's other decoders, in libavcodec's order
    // Whether the trial decode of the stream's first frames (or first packet) went without an
    // error; unknown when the reading reached no packet of the stream.
    std::optional<bool> decodes;
    std::string decodeError;  // the decoder's message when it failed
    // libavutil's names of the device types of every decoder's hardware configurations
    // ("cuda", "vaapi", "vdpau", "qsv"), each once, the picked decoder's first.
    std::vector<std::string> hardwareDeviceTypes;
};

struct MediaStreamDetails {
    int index = 0;  // in the file
    MediaStreamKind kind = MediaStreamKind::Data;
    std::string codec;         // libavcodec's short name ("opus"); empty when it knows none
    std::string codecLong;     // its long name ("Opus (Opus Interactive Audio Codec)")
    uint32_t codecTag = 0;     // the code the container stores (FourCC, format tag); 0 for none
    std::string profile;       // libavcodec's name ("High", "Main 10", "LC", "DTS-HD MA")
    std::optional<int> level;  // as the codec stores it (31 for H.264 level 3.1)
    std::string language;      // as stored: ISO 639-2, 639-1 or anything
    std::string title;
    uint32_t dispositions = 0;          // MediaDisposition bits
    std::optional<double> duration;     // seconds
    std::optional<double> start;        // seconds
    std::optional<int64_t> bitRate;     // bits per second
    std::vector<MediaTag> tags;         // every tag, language and title included
    MediaVideoDetails video;            // for video streams
    MediaAudioDetails audio;            // for audio streams
    MediaAttachmentDetails attachment;  // for attachments
    MediaDecoding decoding;             // for video, audio and subtitle streams
};

struct MediaChapterDetails {
    std::optional<double> start;  // seconds
    std::optional<double> end;
    std::string title;
};

struct MediaDetails {
    std::string formatName;           // the demuxer's short name ("matroska,webm")
    std::string formatLongName;       // "Matroska / WebM"
    std::string majorBrand;           // MP4 and QuickTime files
    std::optional<int64_t> fileSize;  // bytes
    std::optional<double> duration;   // seconds
    bool durationEstimated = false;   // from the bit rate, not from timestamps
    std::optional<int64_t> bitRate;   // bits per second
    std::optional<double> start;      // seconds
    std::vector<MediaTag> tags;
    std::vector<MediaStreamDetails> streams;  // every stream, in file order
    std::vector<MediaChapterDetails> chapters;
    bool cutShort = false;  // the deadline ended the reading before it was done
};

// What the media detector learnt of its last put_Filename, beyond the page's queries.
struct IMediaDetails : IUnknown {
    static constexpr const IID& iid = IID_IMediaDetails;

    // Copies the facts of the open file; E_POINTER for a null pointer, E_INVALIDARG when no file
    // is open. The file is not read again.
    virtual HRESULT GetDetails(MediaDetails* details) = 0;

protected:
    ~IMediaDetails() = default;
};
