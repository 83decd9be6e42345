#include <gtest/gtest.h>

#include "catalogue/kx_ds_adds_for_info.h"
#include "mediainfo/audio_format_tag_names.h"
#include "mediainfo/codec_notation.h"
#include "mediainfo/colour_names.h"
#include "mediainfo/container_names.h"
#include "mediainfo/fourcc_descriptions.h"
#include "mediainfo/hdr_names.h"
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

namespace {

TEST(DetailsNames, LevelsInEachCodecsNotation) {
    const struct {
        const char* codec;
        std::optional<int> level;
        const char* notation;
    } cases[] = {
        {"h264", 31, "3.1"},       {"h264", 30, "3"},         {"h264", 9, "1b"}, {"hevc", 153, "5.1"},
        {"hevc", 150, "5"},        {"hevc", 93, "3.1"},       {"av1", 0, "2.0"}, {"av1", 13, "5.1"},
        {"mpeg2video", 8, "Main"}, {"mpeg2video", 4, "High"}, {"mpeg4", 1, "1"}, {"h264", std::nullopt, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LevelNotation(c.codec, c.level), c.notation) << c.codec;
    EXPECT_EQ(ProfileAndLevel("h264", "High", "3.1"), "High@L3.1");
    EXPECT_EQ(ProfileAndLevel("mpeg2video", "Main", "Main"), "Main@Main");
    EXPECT_EQ(ProfileAndLevel("aac", "HE-AACv2", ""), "HE-AACv2");
    EXPECT_EQ(CodecTagText(0x31637661), "avc1");
    EXPECT_EQ(CodecTagText(0x55), "0x0055");
    EXPECT_EQ(CodecTagText(0), "");
}

TEST(DetailsNames, HdrSummaryAndMasteringPrimaries) {
    MediaVideoDetails video;
    EXPECT_EQ(HdrFormatName(video), "");
    video.transferCharacteristics = 18;
    EXPECT_EQ(HdrFormatName(video), "HLG");
    video.transferCharacteristics = 16;
    EXPECT_EQ(HdrFormatName(video), "HDR10");
    video.hdr10Plus = true;
    EXPECT_EQ(HdrFormatName(video), "HDR10+");
    video.hdr10Plus = false;
    video.dolbyVision = MediaDolbyVision{1, 0, 8, 6, true, false, true, 1};
    EXPECT_EQ(HdrFormatName(video), "Dolby Vision 8.1, HDR10 compatible");
    video.dolbyVision->profile = 5;
    video.dolbyVision->compatibilityId = 0;
    EXPECT_EQ(HdrFormatName(video), "Dolby Vision 5");

    MediaMasteringDisplay display{MediaChromaticity{0.708, 0.292},
                                  MediaChromaticity{0.17, 0.797},
                                  MediaChromaticity{0.131, 0.046},
                                  MediaChromaticity{0.3127, 0.329},
                                  {},
                                  {}};
    EXPECT_EQ(MasteringPrimariesName(display), "BT.2020");
    display.red->x = 0.7;
    EXPECT_EQ(MasteringPrimariesName(display),
              "R: x=0.700000 y=0.292000, G: x=0.170000 y=0.797000, B: x=0.131000 y=0.046000, "
              "white point: x=0.312700 y=0.329000");
    EXPECT_EQ(ChromaSubsamplingName(MediaChromaSubsampling{1, 0}), "4:2:2");
    EXPECT_EQ(ColourRangeName(1), "Full");
    EXPECT_EQ(MatrixCoefficientsName(0), "Identity");
}

}  // namespace
