// The report's text form and how a value becomes one line of it.
#include "app/page_text/report.h"

#include <gtest/gtest.h>

#include "app/page_text/dvd_details_report.h"
#include "component/lumoram.h"

namespace {

TEST(Report, TextNestsSectionsAndSeparatesTheTopLevelOnes) {
    const Report report = {
        {"Общее", {{"Файл", "a.mkv"}}, {}},
        {"Заголовок 1", {{"Длина", "0:00:03"}}, {{"Главы", {{"Глава 1", "0:00:00"}}, {}}}},
    };
    EXPECT_EQ(ReportText(report),
              "Общее\n  Файл: a.mkv\n\nЗаголовок 1\n  Длина: 0:00:03\n  Главы\n    Глава 1: 0:00:00\n");
    EXPECT_EQ(ReportText({}), "");
}

TEST(Report, ValuesStayOneLineOfTextAndLongOnesAreCut) {
    const struct {
        std::string raw;
        std::string shown;
    } cases[] = {
        {"Ёлка — 1", "Ёлка — 1"},
        {"a\nb\tc\r\x1b\x7f", "a\\nb\\tc\\r\\x1b\\x7f"},
        {"bad\xff\xc3", "bad\\xff\\xc3"},
        {std::string(kReportValueLimit, 'x'), std::string(kReportValueLimit, 'x')},
        {std::string(kReportValueLimit, 'x') + "y", std::string(kReportValueLimit, 'x') + "…"},
        {std::string(kReportValueLimit + 5, '\n').substr(0, 2), "\\n\\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportValue(c.raw), c.shown) << c.raw;
    EXPECT_EQ(ReportValue(std::string(2000, 'z')).size(), kReportValueLimit + std::string("…").size());
}

TEST(DvdDetailsName, WithoutALabelThePathTheUserGaveReadWithoutTheFileSystem) {
    TKxLumora lumora;
    lumora.SetFileName("/gone/MOVIE/video_ts/VTS_01_0.IFO");
    EXPECT_EQ(DvdDetailsName(lumora), "MOVIE");
}

}  // namespace
