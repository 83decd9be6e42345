#include "catalogue/kx_ds_adds_for_info.h"

std::string CompressionName(uint32_t compression) {
    switch (compression) {
        case 0: return "RGB";
        case 1: return "RLE8";
        case 2: return "RLE4";
        case 3: return "BITFIELDS";
        default: break;
    }
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto byte = static_cast<unsigned char>((compression >> shift) & 0xFF);
        if (byte == 0) break;
        // Text is UTF-8: a byte above 127 stands for its Latin-1 character.
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}
