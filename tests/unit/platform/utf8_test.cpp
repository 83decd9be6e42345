// UTF-8 text: cutting, case folding, encoding and cleaning text from outside.
#include "platform/utf8.h"

#include <gtest/gtest.h>

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

TEST(Utf8Text, EncodesEveryLengthAndReplacesWhatIsNoCharacter) {
    const std::pair<char32_t, const char*> cases[] = {
        {U'A', "A"},
        {0xE9, "\xC3\xA9"},
        {0x416, "\xD0\x96"},
        {0x20AC, "\xE2\x82\xAC"},
        {0x1F600, "\xF0\x9F\x98\x80"},
        {0xD800, "\xEF\xBF\xBD"},
        {0x110000, "\xEF\xBF\xBD"},
    };
    for (const auto& [character, bytes] : cases) {
        std::string text;
        AppendUtf8(text, character);
        EXPECT_EQ(text, bytes) << static_cast<uint32_t>(character);
    }
}

TEST(Utf8Text, CleaningReplacesStrayBytesAndDeviceTextStopsAtNul) {
    EXPECT_TRUE(IsWellFormedUtf8("Caméra"));
    EXPECT_FALSE(IsWellFormedUtf8("bad\xFF"));
    EXPECT_EQ(ValidUtf8("Caméra"), "Caméra");
    EXPECT_EQ(ValidUtf8("bad\xFF\xC3"), "bad\uFFFD\uFFFD");
    EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), "\uFFFD\uFFFD\uFFFD") << "no surrogates";
    EXPECT_EQ(ValidUtf8("line\nbreak"), "line\nbreak") << "control characters are characters";
    EXPECT_EQ(CleanDeviceText(std::string_view("USB Camera\0garbage", 18)), "USB Camera");
    EXPECT_EQ(CleanDeviceText("tab\there\x7F"), "tab here ");
    EXPECT_EQ(CleanDeviceText("bad\xFF"), "bad\uFFFD");
}

}  // namespace
