#include <gtest/gtest.h>

#include <cstring>

#include "platform/com.h"
#include "platform/guid.h"
#include "platform/media_uuids.h"

namespace {

TEST(Guid, TextFormHasTheWindowsByteLayout) {
    constexpr GUID g = MakeGuid("{05589F80-C356-11CE-BF01-00AA0055595A}");
    EXPECT_EQ(g.Data1, 0x05589F80u);
    EXPECT_EQ(g.Data2, 0xC356u);
    EXPECT_EQ(g.Data3, 0x11CEu);
    const uint8_t tail[8] = {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A};
    EXPECT_EQ(0, std::memcmp(g.Data4, tail, 8));
    const uint8_t head[8] = {0x80, 0x9F, 0x58, 0x05, 0x56, 0xC3, 0xCE, 0x11};
    EXPECT_EQ(0, std::memcmp(&g, head, 8)) << "first three fields are little-endian in memory";
}

TEST(Guid, FourCCFormStoresTheCharactersInMemoryOrder) {
    EXPECT_EQ(FourCCGuid(MakeFourCC('v', 'i', 'd', 's')), MEDIATYPE_Video);
    EXPECT_EQ(FourCCGuid(MakeFourCC('a', 'u', 'd', 's')), MEDIATYPE_Audio);
    const GUID yuy2 = FourCCGuid(MakeFourCC('Y', 'U', 'Y', '2'));
    EXPECT_EQ(GuidToString(yuy2), "{32595559-0000-0010-8000-00AA00389B71}");
}

TEST(Guid, EqualityComparesAllSixteenBytes) {
    GUID a = MEDIATYPE_Video;
    for (int byte = 0; byte < 16; ++byte) {
        GUID b = a;
        reinterpret_cast<uint8_t*>(&b)[byte] ^= 1;
        EXPECT_FALSE(IsEqualGUID(a, b)) << "byte " << byte;
    }
    EXPECT_TRUE(IsEqualGUID(a, MEDIATYPE_Video));
}

TEST(CLSIDFromString, ParsesRegistryTextInEitherCase) {
    CLSID clsid;
    ASSERT_EQ(CLSIDFromString("{05589f80-c356-11ce-bf01-00aa0055595a}", &clsid), S_OK);
    EXPECT_EQ(clsid, MakeGuid("{05589F80-C356-11CE-BF01-00AA0055595A}"));
}

TEST(CLSIDFromString, RejectsMalformedTextWithANullGuid) {
    for (const char* text :
         {"", "05589F80-C356-11CE-BF01-00AA0055595A", "{05589F80-C356-11CE-BF01-00AA0055595}",
          "{05589F80-C356-11CE-BF01-00AA0055595AZ}", "{05589F80_C356-11CE-BF01-00AA0055595A}",
          "{0558xF80-C356-11CE-BF01-00AA0055595A}"}) {
        CLSID clsid = MEDIATYPE_Video;
        EXPECT_EQ(CLSIDFromString(text, &clsid), CO_E_CLASSSTRING) << text;
        EXPECT_EQ(clsid, GUID_NULL) << text;
    }
    EXPECT_EQ(CLSIDFromString("{05589F80-C356-11CE-BF01-00AA0055595A}", nullptr), E_INVALIDARG);
}

}  // namespace
