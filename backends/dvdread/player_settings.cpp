#include "backends/dvdread/player_settings.h"

#include <cstdlib>

#include "platform/ascii.h"
#include "platform/language_codes.h"

namespace lumora::dvdread {

namespace {

WORD TwoLetters(const char (&letters)[2]) {
    return static_cast<WORD>(static_cast<uint8_t>(letters[0]) << 8 | static_cast<uint8_t>(letters[1]));
}

}  // namespace

PlayerSettings PlayerSettingsFromLocaleName(std::string_view name) {
    PlayerSettings settings{{'e', 'n'}, {'U', 'S'}, 0x0409};
    // language[_territory][.codeset][@modifier]; only two-letter languages and territories count.
    const size_t end = name.find_first_of(".@");
    const std::string_view head = name.substr(0, end);
    const size_t separator = head.find('_');
    const std::string_view language = head.substr(0, separator);
    if (language.size() == 2 && IsAsciiLetter(language[0]) && IsAsciiLetter(language[1])) {
        const LCID locale = LocaleFromLanguageCode(language);
        if (locale != 0) {
            settings.language[0] = ToLowerAscii(language[0]);
            settings.language[1] = ToLowerAscii(language[1]);
            settings.languageLocale = locale;
        }
    }
    if (separator != std::string_view::npos) {
        const std::string_view territory = head.substr(separator + 1);
        if (territory.size() == 2 && IsAsciiLetter(territory[0]) && IsAsciiLetter(territory[1])) {
            settings.country[0] = ToUpperAscii(territory[0]);
            settings.country[1] = ToUpperAscii(territory[1]);
        }
    }
    return settings;
}

PlayerSettings UserPlayerSettings() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return PlayerSettingsFromLocaleName(value);
    }
    return PlayerSettingsFromLocaleName("");
}

void ResetSystemRegisters(const PlayerSettings& settings, SPRMARRAY& registers) {
    for (WORD& value : registers)
        value = 0;
    const WORD language = TwoLetters(settings.language);
    registers[0] = language;  // menu language
    registers[1] = 15;        // audio stream: none selected
    registers[2] = 62;        // subpicture stream: none, hidden
    registers[3] = 1;         // angle
    registers[4] = 1;         // title
    registers[5] = 1;         // title in its title set
    registers[7] = 1;         // chapter
    registers[8] = 0x0400;    // highlighted button 1
    registers[12] = TwoLetters(settings.country);
    registers[13] = 15;        // parental level: no restriction
    registers[14] = 0x0100;    // video: 16:9 display, normal mode
    registers[15] = 0x7CFC;    // audio capabilities
    registers[16] = language;  // preferred audio language
    registers[18] = language;  // preferred subpicture language
    registers[20] = 1;         // region 1
}

}  // namespace lumora::dvdread
