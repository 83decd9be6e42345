// How the system names the codes of a DVD-Video volume's details (names in English).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dvd_details.h"

// "AC3", "MPEG1", "MPEG2", "LPCM", "DTS", "SDDS"; empty for another code.
std::string DvdAudioFormatCodeName(uint8_t format);

// "16 bit", "20 bit", "24 bit" for LPCM; "DRC" where the code marks dynamic range control.
std::string DvdQuantizationName(uint8_t format, uint8_t quantization);

// The content of an audio stream by its code extension: "not specified", "normal", "visually
// impaired", "director's comments", "alternate director's comments"; "reserved (N)" else.
std::string DvdAudioContentName(uint8_t codeExtension);

// The kind of a subpicture stream by its code extension ("normal", "large", "children's", "normal
// captions", "forced", "director's comments" …); "reserved (N)" else.
std::string DvdSubpictureKindName(uint8_t codeExtension);

// The two letters of a stream's language code, when the stream says it has one and both are
// letters; empty else.
std::string DvdLanguageCode(bool hasLanguage, uint16_t code);

// The stream id a title's audio control gives the stream; none when it marks the stream absent
// or for a format without one.
std::optional<uint32_t> DvdAudioStreamId(uint8_t format, uint16_t control);

// 0x20 + the stream number of each display mode (4:3, wide, letterbox, pan-scan).
std::array<uint32_t, 4> DvdSubpictureStreamIds(uint32_t control);

// The regions (1 to 8) a category allows: those whose bit 16 + n − 1 is clear.
std::vector<uint32_t> DvdAllowedRegions(uint32_t category);
// "allowed in regions 1, 2, 4", "allowed in no region".
std::string DvdRegionsText(const std::vector<uint32_t>& regions);

// A palette entry (0x00YYCrCb, ITU-R BT.601 studio range) as "#RRGGBB".
std::string DvdPaletteColour(uint32_t entry);

// "UDF", "ISO 9660", "folder"; empty for none.
std::string DvdLabelSourceName(DvdLabelSource source);
