// The DVD player's settings, taken from the user's locale as a player would be set up.
#pragma once

#include <string_view>

#include "platform/dvd_types.h"

namespace lumora::dvdread {

struct PlayerSettings {
    char language[2];  // ISO 639-1, lower case
    char country[2];   // ISO 3166-1 alpha-2, upper case
    LCID languageLocale;
};

// From a locale name such as "ru_RU.UTF-8" or "de_AT@euro"; English and "US" for what it leaves
// open ("C", "POSIX", empty, a language the table does not know).
PlayerSettings PlayerSettingsFromLocaleName(std::string_view name);
// From LC_ALL, LC_MESSAGES or LANG, the first that is set.
PlayerSettings UserPlayerSettings();

// The system parameter registers as a player resets them.
void ResetSystemRegisters(const PlayerSettings& settings, SPRMARRAY& registers);

}  // namespace lumora::dvdread
