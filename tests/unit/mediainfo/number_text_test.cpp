#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mediainfo/number_text.h"

namespace {

TEST(GeneralNumber, FixedFormWithTheGivenSeparator) {
    EXPECT_EQ(FormatGeneralNumber(25, ","), "25");
    EXPECT_EQ(FormatGeneralNumber(30000.0 / 1001, ","), "29,97002997003");
    EXPECT_EQ(FormatGeneralNumber(30000.0 / 1001, "."), "29.97002997003");
    EXPECT_EQ(FormatGeneralNumber(1500000, "."), "1500000");
    EXPECT_EQ(FormatGeneralNumber(0, ","), "0");
    EXPECT_EQ(FormatGeneralNumber(-2.5, ","), "-2,5");
    EXPECT_EQ(FormatGeneralNumber(0.0001, ","), "0,0001");
    EXPECT_EQ(FormatGeneralNumber(0.1 + 0.2, "."), "0.3") << "15 significant digits hide binary noise";
    EXPECT_EQ(FormatGeneralNumber(123456789012345.0, "."), "123456789012345");
    EXPECT_EQ(FormatGeneralNumber(23.976, "\xD9\xAB"),
              "23\xD9\xAB"
              "976")
        << "a separator of several bytes";
}

TEST(GeneralNumber, ScientificFormForTinyAndHugeValues) {
    EXPECT_EQ(FormatGeneralNumber(0.00001, ","), "1E-5");
    EXPECT_EQ(FormatGeneralNumber(1.5e-5, ","), "1,5E-5");
    EXPECT_EQ(FormatGeneralNumber(-1.5e-7, "."), "-1.5E-7");
    EXPECT_EQ(FormatGeneralNumber(1e15, "."), "1E15");
    EXPECT_EQ(FormatGeneralNumber(1.25e20, ","), "1,25E20");
    EXPECT_EQ(FormatGeneralNumber(0.000099999999999999999, "."), "0.0001")
        << "the rounded value decides the form";
}

TEST(GeneralNumber, NonFiniteValuesAreSpelled) {
    EXPECT_EQ(FormatGeneralNumber(std::numeric_limits<double>::infinity(), "."), "INF");
    EXPECT_EQ(FormatGeneralNumber(-std::numeric_limits<double>::infinity(), "."), "-INF");
    EXPECT_EQ(FormatGeneralNumber(std::nan(""), "."), "NAN");
}

TEST(AspectNumber, FiveSignificantDigits) {
    EXPECT_EQ(FormatAspectNumber(720.0 / 576, ","), "1,25");
    EXPECT_EQ(FormatAspectNumber(720.0 / 576, "."), "1.25");
    EXPECT_EQ(FormatAspectNumber(352.0 / 288, ","), "1,2222");
    EXPECT_EQ(FormatAspectNumber(2, ","), "2");
    EXPECT_EQ(FormatAspectNumber(-640.0 / 480, "."), "-1.3333");
    EXPECT_EQ(FormatAspectNumber(12345.4, "."), "12345");
}

TEST(AspectNumber, ScientificFormHasThreeExponentDigits) {
    EXPECT_EQ(FormatAspectNumber(123456, ","), "1,2346E005");
    EXPECT_EQ(FormatAspectNumber(100000, "."), "1E005");
    EXPECT_EQ(FormatAspectNumber(99999.5, "."), "1E005");
    EXPECT_EQ(FormatAspectNumber(0.00005, "."), "5E-005");
    EXPECT_EQ(FormatAspectNumber(1e-120, "."), "1E-120");
}

TEST(FormatDuration, MinutesAndSecondsOrHoursToo) {
    EXPECT_EQ(FormatDuration(0), "00:00");
    EXPECT_EQ(FormatDuration(59), "00:59");
    EXPECT_EQ(FormatDuration(3599), "59:59");
    EXPECT_EQ(FormatDuration(3600), "01:00:00");
    EXPECT_EQ(FormatDuration(3725), "01:02:05");
    EXPECT_EQ(FormatDuration(360000), "100:00:00");
}

TEST(FormatClockTime, HoursMinutesSecondsAndMilliseconds) {
    EXPECT_EQ(FormatClockTime(0, "."), "00:00:00.000");
    EXPECT_EQ(FormatClockTime(1.2, ","), "00:00:01,200");
    EXPECT_EQ(FormatClockTime(3725.0005, "."), "01:02:05.001") << "rounded to the millisecond";
    EXPECT_EQ(FormatClockTime(-0.007, "."), "-00:00:00.007");
    EXPECT_EQ(FormatClockTime(360000, "\xD9\xAB"),
              "100:00:00\xD9\xAB"
              "000");
    EXPECT_EQ(FormatClockTime(1e16, "."), "1E16") << "beyond what milliseconds count";
    EXPECT_EQ(FormatClockTime(std::nan(""), "."), "");
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(100.5), 100);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(RoundHalfEvenToInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundHalfEvenToInt32(-1e12), std::numeric_limits<int32_t>::min());
}

}  // namespace
