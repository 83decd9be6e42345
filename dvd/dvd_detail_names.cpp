#include "dvd/dvd_detail_names.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

std::string Reserved(uint8_t code) { return "reserved (" + std::to_string(code) + ")"; }

std::string Named(const char* const* names, size_t count, uint8_t code) {
    return code < count && names[code] ? std::string(names[code]) : Reserved(code);
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

uint8_t Clamped(double value) { return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

}  // namespace

std::string DvdAudioFormatCodeName(uint8_t format) {
    constexpr const char* kNames[] = {"AC3", nullptr, "MPEG1", "MPEG2", "LPCM", nullptr, "DTS", "SDDS"};
    return format < std::size(kNames) && kNames[format] ? kNames[format] : "";
}

std::string DvdQuantizationName(uint8_t format, uint8_t quantization) {
    switch (format) {
        case 4: {
            constexpr const char* kBits[] = {"16 bit", "20 bit", "24 bit"};
            return quantization < std::size(kBits) ? kBits[quantization] : "";
        }
        case 2:
        case 3: return quantization == 1 ? "DRC" : "";
        default: return quantization == 3 ? "DRC" : "";
    }
}

std::string DvdAudioContentName(uint8_t codeExtension) {
    constexpr const char* kNames[] = {"not specified", "normal", "visually impaired", "director's comments",
                                      "alternate director's comments"};
    return Named(kNames, std::size(kNames), codeExtension);
}

std::string DvdSubpictureKindName(uint8_t codeExtension) {
    constexpr const char* kNames[] = {
        "not specified",
        "normal",
        "large",
        "children's",
        nullptr,
        "normal captions",
        "large captions",
        "children's captions",
        nullptr,
        "forced",
        nullptr,
        nullptr,
        nullptr,
        "director's comments",
        "large director's comments",
        "director's comments for children",
    };
    return Named(kNames, std::size(kNames), codeExtension);
}

std::string DvdLanguageCode(bool hasLanguage, uint16_t code) {
    const char letters[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    if (!hasLanguage || !IsAsciiLetter(letters[0]) || !IsAsciiLetter(letters[1])) return {};
    return std::string(letters, 2);
}

std::optional<uint32_t> DvdAudioStreamId(uint8_t format, uint16_t control) {
    if (!(control & 0x8000)) return std::nullopt;
    const uint32_t number = (control >> 8) & 7;
    switch (format) {
        case 0: return 0x80 + number;
        case 2:
        case 3: return 0xC0 + number;
        case 4: return 0xA0 + number;
        case 6: return 0x88 + number;
        default: return std::nullopt;
    }
}

std::array<uint32_t, 4> DvdSubpictureStreamIds(uint32_t control) {
    return {0x20 + ((control >> 24) & 0x1F), 0x20 + ((control >> 16) & 0x1F), 0x20 + ((control >> 8) & 0x1F),
            0x20 + (control & 0x1F)};
}

std::vector<uint32_t> DvdAllowedRegions(uint32_t category) {
    std::vector<uint32_t> regions;
    for (uint32_t region = 1; region <= 8; ++region)
        if (!((category >> (15 + region)) & 1)) regions.push_back(region);
    return regions;
}

std::string DvdRegionsText(const std::vector<uint32_t>& regions) {
    if (regions.empty()) return "allowed in no region";
    std::string text = regions.size() == 1 ? "allowed in region " : "allowed in regions ";
    for (size_t i = 0; i < regions.size(); ++i)
        text += (i ? ", " : "") + std::to_string(regions[i]);
    return text;
}

std::string DvdPaletteColour(uint32_t entry) {
    const double y = 1.164 * (static_cast<double>((entry >> 16) & 0xFF) - 16);
    const double cr = static_cast<double>((entry >> 8) & 0xFF) - 128;
    const double cb = static_cast<double>(entry & 0xFF) - 128;
    // Written by hand: a volume of 99 titles has 1,584 colours.
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const uint8_t channel :
         {Clamped(y + 1.596 * cr), Clamped(y - 0.813 * cr - 0.391 * cb), Clamped(y + 2.018 * cb)})
        text += {kHex[channel >> 4], kHex[channel & 15]};
    return text;
}

std::string DvdLabelSourceName(DvdLabelSource source) {
    switch (source) {
        case DvdLabelSource::Udf: return "UDF";
        case DvdLabelSource::Iso9660: return "ISO 9660";
        case DvdLabelSource::Folder: return "folder";
        case DvdLabelSource::None: break;
    }
    return {};
}
