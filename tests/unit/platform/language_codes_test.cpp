// ISO 639-1 codes and the locale identifiers of their languages, both ways.
#include "platform/language_codes.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageCodes, TwoLettersToTheDefaultSublanguage) {
    EXPECT_EQ(LocaleFromLanguageCode("en"), 0x0409u);
    EXPECT_EQ(LocaleFromLanguageCode("RU"), 0x0419u);
    EXPECT_EQ(LocaleFromLanguageCode("de"), 0x0407u);
    EXPECT_EQ(LocaleFromLanguageCode("fr"), 0x040Cu);
    EXPECT_EQ(LocaleFromLanguageCode("es"), 0x040Au);
    EXPECT_EQ(LocaleFromLanguageCode("it"), 0x0410u);
    EXPECT_EQ(LocaleFromLanguageCode("ja"), 0x0411u);
    EXPECT_EQ(LocaleFromLanguageCode("zh"), 0x0804u);
    EXPECT_EQ(LocaleFromLanguageCode("iw"), LocaleFromLanguageCode("he"));
    EXPECT_EQ(LocaleFromLanguageCode("in"), LocaleFromLanguageCode("id"));
    EXPECT_EQ(LocaleFromLanguageCode("ji"), LocaleFromLanguageCode("yi"));
    for (const char* unknown : {"xx", "", "e", "eng", "e\0"})
        EXPECT_EQ(LocaleFromLanguageCode(unknown), 0u);
}

TEST(LanguageCodes, MediaFilesThreeLetterCodesInBothForms) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"eng", 0x0409}, {"RUS", 0x0419}, {"fre", 0x040C}, {"fra", 0x040C},
        {"ger", 0x0407}, {"deu", 0x0407}, {"chi", 0x0804}, {"zho", 0x0804},
        {"en", 0x0409},  {"und", 0},      {"xyz", 0},      {"\x01\x02\x03", 0},
    };
    for (const auto& [code, lcid] : cases)
        EXPECT_EQ(LocaleFromIsoLanguageCode(code), lcid) << code;
}

TEST(LanguageCodes, LocalesBackToTheCurrentCode) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0x0409, "en"}, {0x0809, "en"}, {0x0419, "ru"}, {0x0416, "pt"}, {0x0416 | 0x0400, "pt"},
        {0x040D, "he"}, {0x0421, "id"}, {0x043D, "yi"}, {0x0414, "no"}, {0x0804, "zh"},
        {0, ""},        {0x007F, ""},   {0x04FF, ""},
    };
    for (const auto& [lcid, code] : cases)
        EXPECT_EQ(LanguageCodeOfLocale(lcid), code) << std::hex << lcid;
}

}  // namespace
