// Every fact a DVD-Video volume's IFO files hold beyond the navigator's answers, as the navigator
// hands them to the system: numbers and codes as the IFO stores them (times with their BCD
// digits decoded), texts in UTF-8. The system names what it shows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/unknown.h"

inline constexpr IID IID_IDvdDetails = MakeGuid("{9A9B8966-856E-421E-A335-0515E5CC839D}");

// Where the volume's label comes from.
enum class DvdLabelSource : uint8_t {
    None,     // the volume has none
    Udf,      // the UDF primary volume descriptor's volume identifier
    Iso9660,  // the ISO 9660 primary volume descriptor's volume identifier
    Folder,   // a folder volume: the name of the folder that holds VIDEO_TS
};

struct DvdVolumeDetails {
    std::string label;  // Latin-1 of the descriptor made UTF-8, trailing spaces dropped
    DvdLabelSource labelSource = DvdLabelSource::None;
    std::string vmgIdentifier;       // "DVDVIDEO-VMG", as stored (12 bytes, NULs dropped)
    std::string providerIdentifier;  // as stored (32 bytes, NULs and trailing spaces dropped)
    uint32_t titleSets = 0;
    uint32_t category = 0;  // the video manager's category: a set bit 16 + n forbids region n + 1
};

// A time as the IFO stores it, its binary-coded decimal digits decoded.
struct DvdTime {
    uint8_t hours = 0;
    uint8_t minutes = 0;
    uint8_t seconds = 0;
    uint8_t frames = 0;
    uint8_t rate = 0;    // the frame-rate code: 1 is 25 frames a second, 3 is 30000/1001; 0 and 2 none
    bool valid = false;  // every digit decimal, minutes and seconds below 60
};

// The seconds of a valid time; its frames count only where the rate code names a rate.
inline std::optional<double> DvdTimeSeconds(const DvdTime& time) {
    if (!time.valid) return std::nullopt;
    double seconds = time.hours * 3600.0 + time.minutes * 60.0 + time.seconds;
    if (time.rate == 1) seconds += time.frames / 25.0;
    if (time.rate == 3) seconds += time.frames * 1001.0 / 30000.0;
    return seconds;
}

struct DvdVideoDetails {
    uint8_t mpegVersion = 0;             // 0 MPEG-1, 1 MPEG-2
    uint8_t videoFormat = 0;             // 0 525/60 (NTSC), 1 625/50 (PAL)
    uint8_t displayAspectRatio = 0;      // 0 4:3, 3 16:9
    uint8_t permittedDisplayFormat = 0;  // bit 0 set: no letterbox, bit 1 set: no pan-scan (16:9 only)
    bool line21Field1 = false;           // closed captions in field 1's user data
    bool line21Field2 = false;
    uint8_t pictureSize = 0;  // 0 720, 1 704, 2 352 wide; 3 352 wide with half the lines
    bool letterboxed = false;
    bool filmMode = false;  // 625/50 only: film, else camera
};

struct DvdAudioDetails {
    uint8_t format = 0;  // 0 AC-3, 2 MPEG-1, 3 MPEG-2 extended, 4 LPCM, 6 DTS, 7 SDDS
    bool multichannelExtension = false;
    uint8_t languageType = 0;     // 1: languageCode holds a language
    uint8_t applicationMode = 0;  // 0 none, 1 karaoke, 2 surround
    uint8_t quantization = 0;     // LPCM: 0 16, 1 20, 2 24 bits; MPEG: 1 dynamic range control; AC-3, DTS: 3
    uint8_t sampleFrequency = 0;  // 0 48 kHz, 1 96 kHz
    uint8_t channels = 0;         // the count less one
    uint16_t languageCode = 0;    // two ISO 639-1 letters, the first in the high byte
    uint8_t codeExtension = 0;    // the content: 1 normal, 2 visually impaired, 3 and 4 director's comments
    uint8_t applicationInfo = 0;  // surround: bit 3 set when the stream is Dolby Surround encoded
    uint16_t control = 0;         // the title's control word: bit 15 available, bits 8–10 the stream number
};

struct DvdSubpictureDetails {
    uint8_t codingMode = 0;  // 0 run length
    uint8_t type = 0;        // 1: languageCode holds a language
    uint16_t languageCode = 0;
    uint8_t codeExtension = 0;  // the kind: 1 normal, 2 large, 3 children's, 5–7 captions, 9 forced …
    // The title's control word: bit 31 available, then the stream number for 4:3 in bits 24–28,
    // wide in 16–20, letterbox in 8–12 and pan-scan in 0–4.
    uint32_t control = 0;
};

struct DvdCellDetails {
    DvdTime playbackTime;
    uint8_t blockMode = 0;  // 0 in no block; 1 the first, 2 an inner, 3 the last cell of its block
    uint8_t blockType = 0;  // 1 an angle block
    bool seamlessPlay = false;
    bool interleaved = false;
    bool stcDiscontinuity = false;
    bool seamlessAngle = false;
    uint8_t stillTime = 0;  // seconds; 255 without end
    uint32_t firstSector = 0;
    uint32_t lastSector = 0;
};

inline constexpr size_t kDvdMaxAudioStreams = 8;
inline constexpr size_t kDvdMaxSubpictureStreams = 32;
inline constexpr size_t kDvdMaxPrograms = 255;
inline constexpr size_t kDvdMaxCells = 255;

struct DvdTitleDetails {
    uint32_t titleSet = 0;
    uint32_t titleInSet = 0;  // its number within its title set
    uint32_t angles = 0;
    std::string titleSetIdentifier;  // "DVDVIDEO-VTS", as stored
    DvdTime playbackTime;            // the entry program chain's
    DvdVideoDetails video;
    std::vector<DvdAudioDetails> audio;             // every stream of the title set, at most 8
    std::vector<DvdSubpictureDetails> subpictures;  // at most 32
    std::array<uint32_t, 16> palette{};             // the entry chain's colours as 0x00YYCrCb
    // The entry chain's programs (its chapters, as players count them): the number of each one's
    // first cell, as stored; and its cells in order.
    std::vector<uint8_t> programMap;
    std::vector<DvdCellDetails> cells;
};

// What the navigator read of the rendered volume beyond its other answers; from IDvdInfo2.
struct IDvdDetails : IUnknown {
    static constexpr const IID& iid = IID_IDvdDetails;

    // E_POINTER for a null pointer, E_FAIL without a volume.
    virtual HRESULT GetVolumeDetails(DvdVolumeDetails* details) = 0;
    // E_POINTER, E_FAIL without a volume or for a title whose data is broken, E_INVALIDARG for a
    // title that does not exist (titles count from 1).
    virtual HRESULT GetTitleDetails(ULONG title, DvdTitleDetails* details) = 0;

protected:
    ~IDvdDetails() = default;
};
