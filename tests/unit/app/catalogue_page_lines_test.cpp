// The drop-down order and the catalogue's lines that the page and lumora_info share.
#include <gtest/gtest.h>

#include "app/page_text/catalogue_page_lines.h"
#include "app/page_text/drop_down_order.h"
#include "component/lumoram.h"
#include "tests/support/fake_catalogue.h"

namespace {

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
