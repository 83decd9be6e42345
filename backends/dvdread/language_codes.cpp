#include "backends/dvdread/language_codes.h"

#include <string_view>

#include "platform/language_codes.h"

namespace lumora::dvdread {

uint32_t LocaleFromDvdLanguageCode(uint16_t code) {
    const char letters[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return LocaleFromLanguageCode(std::string_view(letters, 2));
}

}  // namespace lumora::dvdread
