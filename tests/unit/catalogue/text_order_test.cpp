// The catalogue's UTF-8 helpers and the drop-down order the page and lumora_info share.
#include <gtest/gtest.h>

#include "app/page_text/catalogue_page_lines.h"
#include "app/page_text/drop_down_order.h"
#include "catalogue/utf8_text.h"
#include "mediainfo/lumoram.h"
#include "tests/unit/catalogue/fakes.h"

namespace {

TEST(Utf8Text, PrefixCountsCharactersAndStrayBytes) {
    EXPECT_EQ(Utf8Prefix("Ёжик", 2), "Ёж");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(Utf8Prefix("", 3), "");
    EXPECT_EQ(Utf8Prefix("a\xFF\xFE"
                         "b",
                         3),
              "a\xFF\xFE")
        << "a stray byte is one character";
    EXPECT_EQ(Utf8Prefix("\xE2\x82"
                         "c",
                         1),
              "\xE2")
        << "a truncated sequence is not swallowed whole";
    EXPECT_EQ(Utf8Prefix("\xF0\x9F\x98\x80x", 1), "\xF0\x9F\x98\x80");
}

TEST(Utf8Text, CaseFoldingCoversLatinGreekAndCyrillic) {
    const std::pair<const char*, const char*> same[] = {
        {"ABCXYZ", "abcxyz"},
        {"ÀÉÎÕÜ", "àéîõü"},
        {"ĀĂĄĆŁŃŐŒŠŸŽ", "āăąćłńőœšÿž"},
        {"ΑΒΓΔΩΆΈΏ", "αβγδωάέώ"},
        {"ΟΔΟΣ", "οδος"},
        {"АБВГДЕЁЖЯ", "абвгдеёжя"},
        {"ЂЃЄЅІЇЈЉЊЋЌЎЏ", "ђѓєѕіїјљњћќўџ"},
        {"ѢѲҐҒӁӐ", "ѣѳґғӂӑ"},
    };
    for (const auto& [upper, lower] : same)
        EXPECT_TRUE(SameTextIgnoringCase(upper, lower)) << upper;
    EXPECT_FALSE(SameTextIgnoringCase("×", "÷")) << "signs are not letters";
    EXPECT_FALSE(SameTextIgnoringCase("е", "ё"));
    EXPECT_FALSE(SameTextIgnoringCase("abc", "abcd"));
    EXPECT_FALSE(SameTextIgnoringCase("a\xC3", "a\xE3")) << "stray bytes stay distinct";
    EXPECT_TRUE(SameTextIgnoringCase("a\xFF", "A\xFF"));
}

TEST(DropDownOrder, SortsIgnoringCaseKeepingDuplicatesInTheirOrder) {
    EXPECT_EQ(
        DropDownOrder({"beta", "Alpha", "alpha", "BETA", "Яблоко", "арбуз", "Zeta", "alpha"}),
        (std::vector<std::string>{"Alpha", "alpha", "alpha", "beta", "BETA", "Zeta", "арбуз", "Яблоко"}));
    EXPECT_EQ(DropDownOrder({"b", "a", "ab", "A"}), (std::vector<std::string>{"a", "A", "ab", "b"}));
    EXPECT_TRUE(DropDownOrder({}).empty());
}

TEST(CataloguePageLines, SevenLabelsInThePagesOrderWithIndentedSortedNames) {
    fakes::FakePlatform platform;
    platform.Category(CLSID_VideoCompressorCategory).members = {fakes::Named("x264"), fakes::Named("FFV1"),
                                                                fakes::Named("ffv1")};
    platform.Category(AM_KSCATEGORY_TVTUNER).members = {fakes::Named("Тюнер")};
    TKxLumora lumora;
    lumora.FillDeviceLists();
    EXPECT_EQ(CataloguePageLines(lumora), (std::vector<std::string>{
                                              "Видео кодеки:",
                                              "  FFV1",
                                              "  ffv1",
                                              "  x264",
                                              "Аудио кодеки:",
                                              "Фильтры DirectShow:",
                                              "Устройства захвата видео:",
                                              "Устройства захвата аудио:",
                                              "TV тюнеры:",
                                              "  Тюнер",
                                              "Устройства аудиовывода:",
                                          }));
}

}  // namespace
