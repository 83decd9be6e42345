// The language codes DVD streams store.
#include <gtest/gtest.h>

#include "backends/dvdread/language_codes.h"

namespace {

using lumora::dvdread::LocaleFromDvdLanguageCode;

TEST(LanguageCodes, TheTwoLettersADvdStores) {
    EXPECT_EQ(LocaleFromDvdLanguageCode('e' << 8 | 'n'), 0x0409u) << "first letter in the high byte";
    EXPECT_EQ(LocaleFromDvdLanguageCode('n' << 8 | 'e'), 0x0461u);
    EXPECT_EQ(LocaleFromDvdLanguageCode(0), 0u);
    EXPECT_EQ(LocaleFromDvdLanguageCode(0xFFFF), 0u);
}

}  // namespace
