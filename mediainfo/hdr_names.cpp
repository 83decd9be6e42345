#include "mediainfo/hdr_names.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kTransferPq = 16;
constexpr int kTransferHlg = 18;
constexpr double kTolerance = 0.0005;  // stored coordinates are rounded to 0.00002

struct KnownPrimaries {
    std::string_view name;
    MediaChromaticity red, green, blue, white;
};

constexpr MediaChromaticity kD65{0.3127, 0.3290};
constexpr KnownPrimaries kKnownPrimaries[] = {
    {"BT.709", {0.640, 0.330}, {0.300, 0.600}, {0.150, 0.060}, kD65},
    {"Display P3", {0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, kD65},
    {"DCI P3", {0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, {0.314, 0.351}},
    {"BT.2020", {0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}, kD65},
};

bool Near(const std::optional<MediaChromaticity>& point, MediaChromaticity known) {
    return point && std::fabs(point->x - known.x) < kTolerance && std::fabs(point->y - known.y) < kTolerance;
}

std::string Point(const char* name, const std::optional<MediaChromaticity>& point) {
    if (!point) return {};
    char text[96];
    std::snprintf(text, sizeof text, "%s: x=%.6f y=%.6f", name, point->x, point->y);
    return text;
}

}  // namespace

std::string DolbyVisionCompatibilityName(int compatibilityId) {
    switch (compatibilityId) {
        case 1: return "HDR10 compatible";
        case 2: return "SDR compatible";
        case 4: return "HLG compatible";
        case 6: return "Blu-ray compatible";
        default: return {};
    }
}

std::string HdrFormatName(const MediaVideoDetails& video) {
    std::string name;
    if (const auto& vision = video.dolbyVision) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) of "." + std::to_string(…).
        name = "Dolby Vision ";
        name += std::to_string(vision->profile);
        if (vision->compatibilityId != 0) name.append(".").append(std::to_string(vision->compatibilityId));
        if (const std::string compatible = DolbyVisionCompatibilityName(vision->compatibilityId);
            !compatible.empty())
            name += ", " + compatible;
    }
    const int transfer = video.transferCharacteristics.value_or(0);
    const char* base = video.hdr10Plus            ? "HDR10+"
                       : transfer == kTransferPq  ? "HDR10"
                       : transfer == kTransferHlg ? "HLG"
                                                  : nullptr;
    if (!base || (video.dolbyVision && !video.hdr10Plus)) return name;
    return name.empty() ? base : name + ", " + base;
}

std::string MasteringPrimariesName(const MediaMasteringDisplay& display) {
    for (const KnownPrimaries& known : kKnownPrimaries)
        if (Near(display.red, known.red) && Near(display.green, known.green) &&
            Near(display.blue, known.blue) && Near(display.whitePoint, known.white))
            return std::string(known.name);
    std::string text;
    for (const std::string& part : {Point("R", display.red), Point("G", display.green),
                                    Point("B", display.blue), Point("white point", display.whitePoint)})
        if (!part.empty()) text += (text.empty() ? "" : ", ") + part;
    return text;
}
