// The DVD player's settings from the user's locale, and the registers a player resets.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "backends/dvdread/player_settings.h"

namespace {

using namespace lumora::dvdread;

TEST(PlayerSettings, FromTheLocaleName) {
    const struct {
        const char* name;
        const char* languageAndCountry;
        LCID locale;
    } cases[] = {
        {"ru_RU.UTF-8", "ruRU", 0x0419}, {"de_AT@euro", "deAT", 0x0407}, {"", "enUS", 0x0409},
        {"C", "enUS", 0x0409},           {"POSIX", "enUS", 0x0409},      {"C.UTF-8", "enUS", 0x0409},
        {"xx_YY", "enYY", 0x0409},       {"english", "enUS", 0x0409},
    };
    for (const auto& c : cases) {
        const PlayerSettings settings = PlayerSettingsFromLocaleName(c.name);
        EXPECT_EQ(std::string(settings.language, 2) + std::string(settings.country, 2), c.languageAndCountry)
            << c.name;
        EXPECT_EQ(settings.languageLocale, c.locale) << c.name;
    }
}

TEST(PlayerSettings, SystemRegistersAsAPlayerResetsThem) {
    SPRMARRAY registers;
    std::fill(std::begin(registers), std::end(registers), WORD{0xFFFF});
    ResetSystemRegisters(PlayerSettingsFromLocaleName("fr_CA.UTF-8"), registers);
    const WORD fr = 'f' << 8 | 'r', ca = 'C' << 8 | 'A';
    const WORD expected[24] = {fr, 15, 62,     1,      1,  1, 0,  1, 0x0400, 0, 0, 0,
                               ca, 15, 0x0100, 0x7CFC, fr, 0, fr, 0, 1,      0, 0, 0};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(registers[i], expected[i]) << "SPRM " << i;
}

}  // namespace
