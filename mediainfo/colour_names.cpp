#include "mediainfo/colour_names.h"

#include <string_view>

namespace {

struct CodeName {
    int code;
    std::string_view name;
};

constexpr CodeName kPrimaries[] = {
    {1, "BT.709"},     {4, "BT.470 System M"}, {5, "BT.601 PAL"},     {6, "BT.601 NTSC"},
    {7, "SMPTE 240M"}, {8, "Generic film"},    {9, "BT.2020"},        {10, "XYZ"},
    {11, "DCI P3"},    {12, "Display P3"},     {22, "EBU Tech 3213"},
};

constexpr CodeName kTransfers[] = {
    {1, "BT.709"},
    {4, "BT.470 System M"},
    {5, "BT.470 System B/G"},
    {6, "BT.601"},
    {7, "SMPTE 240M"},
    {8, "Linear"},
    {9, "Logarithmic (100:1)"},
    {10, "Logarithmic (316.22777:1)"},
    {11, "xvYCC"},
    {12, "BT.1361"},
    {13, "sRGB/sYCC"},
    {14, "BT.2020 (10-bit)"},
    {15, "BT.2020 (12-bit)"},
    {16, "PQ"},
    {17, "SMPTE 428M"},
    {18, "HLG"},
};

constexpr CodeName kMatrices[] = {
    {0, "Identity"},
    {1, "BT.709"},
    {4, "FCC 73.682"},
    {5, "BT.470 System B/G"},
    {6, "BT.601"},
    {7, "SMPTE 240M"},
    {8, "YCgCo"},
    {9, "BT.2020 non-constant"},
    {10, "BT.2020 constant"},
    {11, "Y'D'zD'x"},
    {12, "Chromaticity-derived non-constant"},
    {13, "Chromaticity-derived constant"},
    {14, "ICtCp"},
};

// H.273's chroma sample location types 0 to 5.
constexpr CodeName kChromaLocations[] = {
    {0, "left"}, {1, "center"}, {2, "top left"}, {3, "top"}, {4, "bottom left"}, {5, "bottom"},
};

constexpr struct {
    int horizontal;
    int vertical;
    std::string_view name;
} kSubsamplings[] = {
    {0, 0, "4:4:4"}, {1, 0, "4:2:2"}, {1, 1, "4:2:0"}, {2, 0, "4:1:1"}, {2, 2, "4:1:0"}, {0, 1, "4:4:0"},
};

template <size_t N>
std::string Lookup(const CodeName (&table)[N], std::optional<int> code) {
    if (code)
        for (const CodeName& row : table)
            if (row.code == *code) return std::string(row.name);
    return {};
}

}  // namespace

std::string ColourPrimariesName(std::optional<int> code) { return Lookup(kPrimaries, code); }
std::string TransferCharacteristicsName(std::optional<int> code) { return Lookup(kTransfers, code); }
std::string MatrixCoefficientsName(std::optional<int> code) { return Lookup(kMatrices, code); }
std::string ChromaLocationName(std::optional<int> type) { return Lookup(kChromaLocations, type); }

std::string ColourRangeName(std::optional<int> fullRange) {
    if (!fullRange) return {};
    return *fullRange ? "Full" : "Limited";
}

std::string ChromaSubsamplingName(std::optional<MediaChromaSubsampling> subsampling) {
    if (subsampling)
        for (const auto& row : kSubsamplings)
            if (row.horizontal == subsampling->horizontal && row.vertical == subsampling->vertical)
                return std::string(row.name);
    return {};
}
