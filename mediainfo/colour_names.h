// Names of a picture's colour facts as people know them: ITU-T H.273 code points ("BT.709",
// "PQ", "HLG"), the range and the chroma subsampling.
#pragma once

#include <optional>
#include <string>

#include "platform/media_details.h"

// Empty for a code point without a name.
std::string ColourPrimariesName(std::optional<int> code);
std::string TransferCharacteristicsName(std::optional<int> code);
std::string MatrixCoefficientsName(std::optional<int> code);
std::string ColourRangeName(std::optional<int> fullRange);  // "Limited", "Full"
std::string ChromaLocationName(std::optional<int> type);    // "left", "top left" …
std::string ChromaSubsamplingName(std::optional<MediaChromaSubsampling> subsampling);  // "4:2:0"
