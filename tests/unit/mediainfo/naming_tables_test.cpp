#include <gtest/gtest.h>

#include "catalogue/kx_ds_adds_for_info.h"
#include "mediainfo/audio_format_tag_names.h"
#include "mediainfo/container_names.h"
#include "mediainfo/fourcc_descriptions.h"
#include "mediainfo/media_type_names.h"
#include "platform/media_uuids.h"

namespace {

TEST(ContainerName, ComesFromTheExtensionInAnyLetterCase) {
    EXPECT_EQ(ContainerNameForExtension("clip.mpeg"), "MPEG 1/2");
    EXPECT_EQ(ContainerNameForExtension("CLIP.MPG"), "MPEG 1/2");
    EXPECT_EQ(ContainerNameForExtension("/home/u/movie.Mp4"), "MPEG 4");
    EXPECT_EQ(ContainerNameForExtension("a.3g2"), "QuickTime 3GP2");
    EXPECT_EQ(ContainerNameForExtension("a.rm"), "RealMedia");
    EXPECT_EQ(ContainerNameForExtension("a.asf"), "Windows Media Video (ASF)");
    EXPECT_EQ(ContainerNameForExtension("фильм с пробелами.mkv"), "Matroska");
}

TEST(ContainerName, OnlyTheLastNamePartCounts) {
    EXPECT_EQ(ContainerNameForExtension("a.rmvb"), std::nullopt);
    EXPECT_EQ(ContainerNameForExtension("a.ts"), std::nullopt);
    EXPECT_EQ(ContainerNameForExtension("noextension"), std::nullopt);
    EXPECT_EQ(ContainerNameForExtension("trailing."), std::nullopt);
    EXPECT_EQ(ContainerNameForExtension("C:\\dir.avi\\file"), std::nullopt)
        << "a backslash ends the extension";
    EXPECT_EQ(ContainerNameForExtension("C:/dir.avi/file"), std::nullopt) << "'/' is part of the extension";
    EXPECT_EQ(ContainerNameForExtension("drive.avi:stream"), std::nullopt);
    EXPECT_EQ(ContainerNameForExtension("a.avi "), std::nullopt) << "the comparison is exact";
}

TEST(MajorTypeName, ListedTypesGoToTheirPropertyOthersAreUnknown) {
    EXPECT_EQ(MajorTypeName(MEDIATYPE_Video).name, "Video");
    EXPECT_EQ(MajorTypeName(MEDIATYPE_Video).target, TypeTarget::Video);
    EXPECT_EQ(MajorTypeName(MEDIATYPE_AnalogVideo).name, "Analogvideo");
    EXPECT_EQ(MajorTypeName(MEDIATYPE_AnalogVideo).target, TypeTarget::Audio);
    EXPECT_EQ(MajorTypeName(MEDIATYPE_AUXLine21Data).target, TypeTarget::Audio);
    EXPECT_EQ(MajorTypeName(MEDIATYPE_URL_STREAM).name, "URL_STREAM");
    EXPECT_EQ(MajorTypeName(MEDIATYPE_URL_STREAM).target, TypeTarget::Other);
    EXPECT_EQ(MajorTypeName(MEDIATYPE_Subtitle).name, "Unknown");
    EXPECT_EQ(MajorTypeName(GUID_NULL).target, TypeTarget::Other);
}

TEST(SubTypeName, IrregularNamesAndTargetsAreKept) {
    EXPECT_EQ(SubTypeName(FourCCGuid(MakeFourCC('D', 'V', 'S', 'D'))).name, "DVSD");
    EXPECT_EQ(SubTypeName(FourCCGuid(MakeFourCC('d', 'v', 's', 'd'))).name, "dvsd_");
    EXPECT_EQ(SubTypeName(FourCCGuid(MakeFourCC('M', 'P', '4', '2'))).name, "MS-MPEG4");
    EXPECT_EQ(SubTypeName(FourCCGuid(MakeFourCC('s', 'm', 'c', ' '))).name, "QTSmc");

    const TypeName ieee = SubTypeName(MakeGuid("{00000003-0000-0010-8000-00AA00389B71}"));
    EXPECT_EQ(ieee.name, "IEEE FLOAT");
    EXPECT_EQ(ieee.target, TypeTarget::Other);
    const TypeName subpicture = SubTypeName(MEDIASUBTYPE_DVD_SUBPICTURE);
    EXPECT_EQ(subpicture.name, "DVD SUBPICTURE");
    EXPECT_EQ(subpicture.target, TypeTarget::Video);
    EXPECT_EQ(SubTypeName(MEDIASUBTYPE_PCM).target, TypeTarget::Audio);
    EXPECT_EQ(SubTypeName(MakeGuid("{00000075-0000-0010-8000-00AA00389B71}")).name, "VOXWARE MetaSound");
    EXPECT_EQ(SubTypeName(MakeGuid("{0482DDEC-7817-11CF-8A03-00AA006ECB65}")).name,
              "AnalogVideo PAL N COMBO");
}

TEST(SubTypeName, UnlistedIsUnknownWithTrailingSpace) {
    const TypeName mp3 = SubTypeName(MakeGuid("{00000055-0000-0010-8000-00AA00389B71}"));
    EXPECT_EQ(mp3.name, "UnKnown ");
    EXPECT_EQ(mp3.target, TypeTarget::Other);
    EXPECT_EQ(SubTypeName(FourCCGuid(MakeFourCC('H', '2', '6', '4'))).name, "UnKnown ");
}

TEST(FormatTypeName, NamesOnlyTheKindsNotExaminedInDetail) {
    EXPECT_EQ(FormatTypeName(FORMAT_DvInfo), "DvInfo");
    EXPECT_EQ(FormatTypeName(FORMAT_MPEGStreams), "MPEGStreams");
    EXPECT_EQ(FormatTypeName(FORMAT_DolbyAC3), "DolbyAC3");
    EXPECT_EQ(FormatTypeName(FORMAT_MPEG2Audio), "MPEG2Audio");
    EXPECT_EQ(FormatTypeName(FORMAT_DVD_LPCMAudio), "DVD_LPCMAudio");
    EXPECT_EQ(FormatTypeName(FORMAT_SubtitleInfo), "Unknown");
}

TEST(AudioFormatTagName, SpotRowsAndDefault) {
    EXPECT_EQ(AudioFormatTagName(0x0001), "Microsoft PCM Format");
    EXPECT_EQ(AudioFormatTagName(0x0055), "MPEG-1 Layer 3 (MP3)");
    EXPECT_EQ(AudioFormatTagName(0x00FF), "AAC");
    EXPECT_EQ(AudioFormatTagName(0x2000), "Dolby AC3 / FAST Multimedia AG DVM");
    EXPECT_EQ(AudioFormatTagName(0xFFFE), "Extensible wave format");
    EXPECT_EQ(AudioFormatTagName(0xFFFF), "In Development / Unregistered");
    EXPECT_EQ(AudioFormatTagName(0x0000), "Microsoft Unknown Wave Format");
    EXPECT_EQ(AudioFormatTagName(0x0032), "MSNAudio ");
    EXPECT_EQ(AudioFormatTagName(0x0043), AudioFormatTagName(0x0103));
    EXPECT_EQ(AudioFormatTagName(0x1103), "Lernout & Hauspie SBC codec");
    EXPECT_EQ(AudioFormatTagName(0xF1AC), "Free Lossless Audio Codec FLAC");
    EXPECT_EQ(AudioFormatTagName(0xFFFD), "Unknown");
    EXPECT_EQ(AudioFormatTagName(0x000A), "Unknown");
}

TEST(AudioFormatTagName, OneNameStartsWithAHyphen) {
    bool found = false;
    for (uint32_t tag = 0; tag <= 0xFFFF; ++tag)
        found |= AudioFormatTagName(static_cast<uint16_t>(tag)) == "-link Worldwide ILINK VC";
    EXPECT_TRUE(found);
}

TEST(FourCCDescription, ComparesCaseInsensitively) {
    for (const char* code : {"XVID", "xvid", "XviD"})
        EXPECT_EQ(FourCCDescription(code), "XVID MPEG-4") << code;
    EXPECT_EQ(FourCCDescription("DIV3"), "DivX Low Motion");
    EXPECT_EQ(FourCCDescription("H264"), "Intel ITU H.264");
    EXPECT_EQ(FourCCDescription("MJPG"), "Motion JPEG");
    EXPECT_EQ(FourCCDescription("Y411"), "YUV 2:1:1");
}

TEST(FourCCDescription, CompressionNamesAndIrregularKeys) {
    EXPECT_EQ(FourCCDescription("RGB"), "Full Frames (Uncompressed)");
    EXPECT_EQ(FourCCDescription("RLE8"), "Run Length Encoded 8bpp");
    EXPECT_EQ(FourCCDescription("BITFIELDS"), "Unknown Codec");
    EXPECT_EQ(FourCCDescription("Y8"), "Simple grayscale video");
    EXPECT_EQ(FourCCDescription("RLE "), "Run Length Encoded");
    EXPECT_EQ(FourCCDescription("RLE"), "Unknown Codec");
    EXPECT_EQ(FourCCDescription("DSVD"), "Microsoft DirectShow DV ");
    for (const char* code : {"AVC1", "UYVY", ""})
        EXPECT_EQ(FourCCDescription(code), "Unknown Codec") << code;
}

TEST(CompressionName, NamesTheFourBitmapCodesAndSpellsTheRest) {
    EXPECT_EQ(CompressionName(0), "RGB");
    EXPECT_EQ(CompressionName(1), "RLE8");
    EXPECT_EQ(CompressionName(2), "RLE4");
    EXPECT_EQ(CompressionName(3), "BITFIELDS");
    EXPECT_EQ(CompressionName(MakeFourCC('D', 'I', 'V', 'X')), "DIVX");
    EXPECT_EQ(CompressionName(MakeFourCC('Y', '8', 0, 0)), "Y8");
    EXPECT_EQ(CompressionName(MakeFourCC('R', 'L', 'E', ' ')), "RLE ");
    EXPECT_EQ(CompressionName(0x44495600), "") << "a zero lowest byte ends the text at once";
    EXPECT_EQ(CompressionName(MakeFourCC('a', '\xE9', 'b', 'c')),
              "a\xC3\xA9"
              "bc")
        << "UTF-8 for bytes above 127";
}

}  // namespace
