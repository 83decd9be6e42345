// The details of the last DVD reading beyond what the page shows: the volume's label, identifiers
// and regions, and each title's place, angles, chapters, cells, video, streams and palette, as the
// navigator read them and named as the system names them (names in English).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dvd_details.h"

// One program of a title's entry chain, as players count chapters.
struct TKxDVDChapter {
    uint32_t Number = 0;           // from 1
    uint32_t FirstCell = 0;        // the number of its first cell, as the program map has it
    uint32_t LastCell = 0;         // 0 when the program map points outside the cell table
    std::optional<double> Start;   // seconds from the title's start
    std::optional<double> Length;  // its cells' playing times summed, of an angle block the first cell's
};

struct TKxDVDCell {
    uint32_t Number = 0;          // from 1
    std::optional<double> Start;  // seconds from the title's start; an angle's cell starts with its block
    std::optional<double> Length;
    std::string AngleBlock;  // "first", "inner", "last"; empty outside an angle block
    bool Seamless = false;   // plays on from the cell before without a pause
};

struct TKxDVDVideoDetails {
    std::string MpegVersion;                    // "MPEG-1", "MPEG-2"
    std::string Standard;                       // "NTSC", "PAL"
    std::string PictureSize;                    // "720x576"
    std::string AspectRatio;                    // "4:3", "16:9"
    std::vector<std::string> DisplayFormats;    // "letterbox", "pan-scan"
    std::vector<uint32_t> ClosedCaptionFields;  // 1 and 2: line-21 captions in that field
    std::string CameraMode;                     // "film" or "camera", for 625/50 video
    bool SourceLetterboxed = false;
};

struct TKxDVDAudioDetails {
    uint32_t Number = 0;               // in the title set, from 1
    bool Available = false;            // the title's audio control marks it
    std::optional<uint32_t> StreamId;  // 0x80 + n AC-3, 0x88 + n DTS, 0xA0 + n LPCM, 0xC0 + n MPEG
    std::string Format;        // "AC3", "MPEG1", "MPEG2", "LPCM", "DTS", "SDDS"; empty for another code
    uint32_t SampleRate = 0;   // Hz; 0 for a code that names none
    std::string Quantization;  // "16 bit", "20 bit", "24 bit", "DRC"; empty where none applies
    uint32_t Channels = 0;
    std::string LanguageCode;  // "en"; empty when the stream names no language
    std::string LanguageName;  // "English"; empty for a code the names do not hold
    std::string Content;       // "not specified", "normal", "visually impaired", "director's comments" …
    bool DolbySurround = false;
};

// The subpicture stream numbers of the display modes, in this order.
enum TKxDVDDisplayMode { dmFourByThree, dmWide, dmLetterbox, dmPanScan, dmCount };

struct TKxDVDSubtitleDetails {
    uint32_t Number = 0;
    bool Available = false;
    std::string LanguageCode;
    std::string LanguageName;
    std::string Kind;  // "not specified", "normal", "large", "children's", "forced" …
    std::array<uint32_t, dmCount> StreamIds{};  // 0x20 + n; meaningful only when available
};

struct TKxDVDTitleDetails {
    bool Read = false;  // false: the title's data is broken and nothing else is known
    uint32_t TitleSet = 0;
    uint32_t TitleInSet = 0;
    uint32_t Angles = 0;
    std::string TitleSetId;           // "DVDVIDEO-VTS"
    std::optional<double> Length;     // seconds of the entry chain's playing time
    std::optional<double> FrameRate;  // 25 or 29.97…, from the time code
    std::vector<TKxDVDChapter> Chapters;
    std::optional<double> ChaptersLength;  // their sum, when every chapter's length is known
    std::vector<TKxDVDCell> Cells;
    TKxDVDVideoDetails Video;
    std::vector<TKxDVDAudioDetails> Audio;         // every stream of the title set
    std::vector<TKxDVDSubtitleDetails> Subtitles;  // every subpicture stream of the title set
    std::array<std::string, 16> Palette;           // "#RRGGBB"
};

class TKxDVDDetails {
public:
    bool Read = false;  // the navigator gave the volume's details
    std::string Label;
    DvdLabelSource LabelSource = DvdLabelSource::None;
    std::string VMGId;
    std::string ProviderId;
    uint32_t TitleSets = 0;
    std::vector<uint32_t> AllowedRegions;    // 1 to 8
    std::string Regions;                     // "allowed in regions 1, 2, 4"
    std::optional<uint32_t> LongestTitle;    // the first of the longest titles whose length is known
    std::vector<TKxDVDTitleDetails> Titles;  // title t at t − 1
};
