// The DVD navigator's structures and enumerations, with the media framework's field order,
// values and x64 sizes: callers store them whole, as the navigator fills them.
#pragma once

#include <cstdint>

#include "platform/media_types.h"
#include "platform/unknown.h"

using LCID = uint32_t;
using ULONGLONG = uint64_t;

enum DVD_DOMAIN : uint32_t {
    DVD_DOMAIN_FirstPlay = 1,
    DVD_DOMAIN_VideoManagerMenu = 2,
    DVD_DOMAIN_VideoTitleSetMenu = 3,
    DVD_DOMAIN_Title = 4,
    DVD_DOMAIN_Stop = 5,
};

enum DVD_DISC_SIDE : uint32_t {
    DVD_SIDE_A = 1,
    DVD_SIDE_B = 2,
};

enum DVD_VIDEO_COMPRESSION : uint32_t {
    DVD_VideoCompression_Other = 0,
    DVD_VideoCompression_MPEG1 = 1,
    DVD_VideoCompression_MPEG2 = 2,
};

enum DVD_AUDIO_APPMODE : uint32_t {
    DVD_AudioMode_None = 0,
    DVD_AudioMode_Karaoke = 1,
    DVD_AudioMode_Surround = 2,
    DVD_AudioMode_Other = 3,
};

enum DVD_AUDIO_FORMAT : uint32_t {
    DVD_AudioFormat_AC3 = 0,
    DVD_AudioFormat_MPEG1 = 1,
    DVD_AudioFormat_MPEG1_DRC = 2,
    DVD_AudioFormat_MPEG2 = 3,
    DVD_AudioFormat_MPEG2_DRC = 4,
    DVD_AudioFormat_LPCM = 5,
    DVD_AudioFormat_DTS = 6,
    DVD_AudioFormat_SDDS = 7,
    DVD_AudioFormat_Other = 8,
};

enum DVD_AUDIO_LANG_EXT : uint32_t {
    DVD_AUD_EXT_NotSpecified = 0,
    DVD_AUD_EXT_Captions = 1,
    DVD_AUD_EXT_VisuallyImpaired = 2,
    DVD_AUD_EXT_DirectorComments1 = 3,
    DVD_AUD_EXT_DirectorComments2 = 4,
};

enum DVD_SUBPICTURE_TYPE : uint32_t {
    DVD_SPType_NotSpecified = 0,
    DVD_SPType_Language = 1,
    DVD_SPType_Other = 2,
};

enum DVD_SUBPICTURE_CODING : uint32_t {
    DVD_SPCoding_RunLength = 0,
    DVD_SPCoding_Extended = 1,
    DVD_SPCoding_Other = 2,
};

enum DVD_SUBPICTURE_LANG_EXT : uint32_t {
    DVD_SP_EXT_NotSpecified = 0,
    DVD_SP_EXT_Caption_Normal = 1,
    DVD_SP_EXT_Caption_Big = 2,
    DVD_SP_EXT_Caption_Children = 3,
    DVD_SP_EXT_CC_Normal = 5,
    DVD_SP_EXT_CC_Big = 6,
    DVD_SP_EXT_CC_Children = 7,
    DVD_SP_EXT_Forced = 9,
    DVD_SP_EXT_DirectorComments_Normal = 13,
    DVD_SP_EXT_DirectorComments_Big = 14,
    DVD_SP_EXT_DirectorComments_Children = 15,
};

enum DVD_TITLE_APPMODE : uint32_t {
    DVD_AppMode_Not_Specified = 0,
    DVD_AppMode_Karaoke = 1,
    DVD_AppMode_Other = 3,
};

// Time-code flags of GetTotalTitleTime.
enum DVD_TIMECODE_FLAGS : uint32_t {
    DVD_TC_FLAG_25fps = 0x1,
    DVD_TC_FLAG_30fps = 0x2,
    DVD_TC_FLAG_DropFrame = 0x4,
    DVD_TC_FLAG_Interpolated = 0x8,
};

// Bits of GetTitleParentalLevels.
enum DVD_PARENTAL_LEVEL : uint32_t {
    DVD_PARENTAL_LEVEL_1 = 0x0100,
    DVD_PARENTAL_LEVEL_2 = 0x0200,
    DVD_PARENTAL_LEVEL_3 = 0x0400,
    DVD_PARENTAL_LEVEL_4 = 0x0800,
    DVD_PARENTAL_LEVEL_5 = 0x1000,
    DVD_PARENTAL_LEVEL_6 = 0x2000,
    DVD_PARENTAL_LEVEL_7 = 0x4000,
    DVD_PARENTAL_LEVEL_8 = 0x8000,
};

enum DVD_CMD_FLAGS : uint32_t {
    DVD_CMD_FLAG_None = 0x0,
    DVD_CMD_FLAG_Flush = 0x1,
    DVD_CMD_FLAG_SendEvents = 0x2,
    DVD_CMD_FLAG_Block = 0x4,
    DVD_CMD_FLAG_StartWhenRendered = 0x8,
    DVD_CMD_FLAG_EndAfterRendered = 0x10,
};

// Bits of GetDecoderCaps' dwAudioCaps.
inline constexpr DWORD DVD_AUDIO_CAPS_AC3 = 0x1;
inline constexpr DWORD DVD_AUDIO_CAPS_MPEG2 = 0x2;
inline constexpr DWORD DVD_AUDIO_CAPS_LPCM = 0x4;
inline constexpr DWORD DVD_AUDIO_CAPS_DTS = 0x8;
inline constexpr DWORD DVD_AUDIO_CAPS_SDDS = 0x10;

// Flags of RenderDvdVideoVolume.
enum AM_DVD_GRAPH_FLAGS : uint32_t {
    AM_DVD_HWDEC_PREFER = 0x1,
    AM_DVD_HWDEC_ONLY = 0x2,
    AM_DVD_SWDEC_PREFER = 0x4,
    AM_DVD_SWDEC_ONLY = 0x8,
    AM_DVD_NOVPE = 0x100,
};

struct DVD_HMSF_TIMECODE {
    BYTE bHours;
    BYTE bMinutes;
    BYTE bSeconds;
    BYTE bFrames;
};

struct DVD_VideoAttributes {
    BOOL fPanscanPermitted;
    BOOL fLetterboxPermitted;
    ULONG ulAspectX;
    ULONG ulAspectY;
    ULONG ulFrameRate;
    ULONG ulFrameHeight;
    DVD_VIDEO_COMPRESSION Compression;
    BOOL fLine21Field1InGOP;
    BOOL fLine21Field2InGOP;
    ULONG ulSourceResolutionX;
    ULONG ulSourceResolutionY;
    BOOL fIsSourceLetterboxed;
    BOOL fIsFilmMode;
};

struct DVD_AudioAttributes {
    DVD_AUDIO_APPMODE AppMode;
    BYTE AppModeData;
    DVD_AUDIO_FORMAT AudioFormat;
    LCID Language;
    DVD_AUDIO_LANG_EXT LanguageExtension;
    BOOL fHasMultichannelInfo;
    DWORD dwFrequency;
    BYTE bQuantization;
    BYTE bNumberOfChannels;
    DWORD dwReserved[2];
};

struct DVD_MUA_MixingInfo {
    BOOL fMixTo0;
    BOOL fMixTo1;
    BOOL fMix0InPhase;
    BOOL fMix1InPhase;
    DWORD dwSpeakerPosition;
};

struct DVD_MUA_Coeff {
    double log2_alpha;
    double log2_beta;
};

struct DVD_MultichannelAudioAttributes {
    DVD_MUA_MixingInfo Info[8];
    DVD_MUA_Coeff Coeff[8];
};

struct DVD_SubpictureAttributes {
    DVD_SUBPICTURE_TYPE Type;
    DVD_SUBPICTURE_CODING CodingMode;
    LCID Language;
    DVD_SUBPICTURE_LANG_EXT LanguageExtension;
};

struct DVD_TitleAttributes {
    union {
        DVD_TITLE_APPMODE AppMode;
        DVD_HMSF_TIMECODE TitleLength;
    };
    DVD_VideoAttributes VideoAttributes;
    ULONG ulNumberOfAudioStreams;  // at most 8
    DVD_AudioAttributes AudioAttributes[8];
    DVD_MultichannelAudioAttributes MultichannelAudioAttributes[8];
    ULONG ulNumberOfSubpictureStreams;  // at most 32
    DVD_SubpictureAttributes SubpictureAttributes[32];
};

struct DVD_MenuAttributes {
    BOOL fCompatibleRegion[8];  // a set flag means the region may NOT play the disc
    DVD_VideoAttributes VideoAttributes;
    BOOL fAudioPresent;
    DVD_AudioAttributes AudioAttributes;
    BOOL fSubpicturePresent;
    DVD_SubpictureAttributes SubpictureAttributes;
};

struct DVD_DECODER_CAPS {
    DWORD dwSize;  // set by the caller to sizeof(DVD_DECODER_CAPS)
    DWORD dwAudioCaps;
    double dFwdMaxRateVideo;
    double dFwdMaxRateAudio;
    double dFwdMaxRateSP;
    double dBwdMaxRateVideo;
    double dBwdMaxRateAudio;
    double dBwdMaxRateSP;
    DWORD dwRes1;
    DWORD dwRes2;
    DWORD dwRes3;
    DWORD dwRes4;
};

using SPRMARRAY = WORD[24];
using GPRMARRAY = WORD[16];

struct AM_DVD_RENDERSTATUS {
    HRESULT hrVPEStatus;
    BOOL bDvdVolInvalid;
    BOOL bDvdVolUnknown;
    BOOL bNoLine21In;
    BOOL bNoLine21Out;
    int32_t iNumStreams;
    int32_t iNumStreamsFailed;
    DWORD dwFailedStreamsFlag;
};

static_assert(sizeof(DVD_HMSF_TIMECODE) == 4);
static_assert(sizeof(DVD_VideoAttributes) == 52);
static_assert(sizeof(DVD_AudioAttributes) == 40);
static_assert(sizeof(DVD_SubpictureAttributes) == 16);
static_assert(sizeof(DVD_MultichannelAudioAttributes) == 288);
static_assert(sizeof(DVD_TitleAttributes) == 3208);
static_assert(sizeof(DVD_MenuAttributes) == 148);
static_assert(sizeof(DVD_DECODER_CAPS) == 72);
static_assert(sizeof(SPRMARRAY) == 48 && sizeof(GPRMARRAY) == 32);
static_assert(sizeof(AM_DVD_RENDERSTATUS) == 32);
