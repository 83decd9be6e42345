#include "dvd/language_names.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageName, MatchesTheWholeIdentifier) {
    const struct {
        int32_t lcid;
        const char* name;
    } rows[] = {
        {0x0409, "English"},
        {0x0809, "English"},
        {0x4809, "English"},
        {0x0419, "Russian"},
        {0x0819, "Russian"},
        {0x0407, "German"},
        {0x1407, "German"},
        {0x0400, "Arabic"},
        {0x4001, "Arabic"},
        {0x0080, "Mongolian(Mongolian)"},
        {0x0450, "Mongolian(Cyrillic)"},
        {0x0804, "Chinese(Simplified)"},
        {0x1004, "Chinese(Simplified)"},
        {0x1404, "Chinese(Simplified)"},
        {0x0404, "Chinese(Traditional)"},
        {0x0C04, "Chinese(Traditional)"},
        {0x0412, "Korean"},
        {0x0812, "Korean(Johab)"},
        {0xE40A, "Spanish"},
        {0x4C0A, "Spanish"},
        {0x500A, "Spanish"},
        {0x540A, "Spanish"},
        {0xE40C, "French"},
        {0x045F, "Tamazight(Berber / Arabic)"},
        {0x085F, "Tamazight(Latin)"},
        {0x0827, "Classic Lithuanian"},
        {0x0C1A, "Serbian(Cyrillic)"},
        {0x081A, "Serbian(Latin)"},
        {0x101A, "Croatian"},
        {0x0417, "Rhaeto"},
        {0x0479, "Papiamentu"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LanguageName(row.lcid), row.name) << std::hex << row.lcid;
}

TEST(LanguageName, AnythingElseIsUnknown) {
    for (const int32_t lcid : {0x0000, 0x0460, 0x0C08, 0x0409 | 0x10000, 0x1009 | 0x50000, 0x0009, 0x0481,
                               0x7FFFFFFF, -1, static_cast<int32_t>(0x80000409), INT32_MIN})
        EXPECT_EQ(LanguageName(lcid), "[Unknown language]") << std::hex << lcid;
}

}  // namespace
