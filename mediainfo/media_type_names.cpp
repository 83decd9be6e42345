#include "mediainfo/media_type_names.h"

#include "platform/media_uuids.h"

namespace {

struct GuidName {
    GUID key;
    std::string_view name;
    TypeTarget target;
};

constexpr GuidName kMajorTypes[] = {
    {MEDIATYPE_AnalogAudio, "AnalogAudio", TypeTarget::Audio},
    {MEDIATYPE_AnalogVideo, "Analogvideo", TypeTarget::Audio},
    {MEDIATYPE_Audio, "Audio", TypeTarget::Audio},
    {MEDIATYPE_AUXLine21Data, "AUXLine21Data", TypeTarget::Audio},
    {MEDIATYPE_File, "File", TypeTarget::Other},
    {MEDIATYPE_Interleaved, "Interleaved", TypeTarget::Other},
    {MEDIATYPE_LMRT, "LMRT", TypeTarget::Other},
    {MEDIATYPE_Midi, "Midi", TypeTarget::Other},
    {MEDIATYPE_MPEG2_PES, "MPEG2_PES", TypeTarget::Other},
    {MEDIATYPE_ScriptCommand, "ScriptCommand", TypeTarget::Other},
    {MEDIATYPE_Stream, "Stream", TypeTarget::Other},
    {MEDIATYPE_Text, "Text", TypeTarget::Other},
    {MEDIATYPE_Timecode, "Timecode", TypeTarget::Other},
    {MEDIATYPE_URL_STREAM, "URL_STREAM", TypeTarget::Other},
    {MEDIATYPE_Video, "Video", TypeTarget::Video},
};

constexpr GuidName kSubTypes[] = {
    {MakeGuid("{4C504C43-0000-0010-8000-00AA00389B71}"), "CLPL", TypeTarget::Video},
    {MakeGuid("{56595559-0000-0010-8000-00AA00389B71}"), "YUYV", TypeTarget::Video},
    {MakeGuid("{56555949-0000-0010-8000-00AA00389B71}"), "IYUV", TypeTarget::Video},
    {MakeGuid("{39555659-0000-0010-8000-00AA00389B71}"), "YVU9", TypeTarget::Video},
    {MakeGuid("{31313459-0000-0010-8000-00AA00389B71}"), "Y411", TypeTarget::Video},
    {MakeGuid("{50313459-0000-0010-8000-00AA00389B71}"), "Y41P", TypeTarget::Video},
    {MakeGuid("{32595559-0000-0010-8000-00AA00389B71}"), "YUY2", TypeTarget::Video},
    {MakeGuid("{55595659-0000-0010-8000-00AA00389B71}"), "YVYU", TypeTarget::Video},
    {MakeGuid("{59565955-0000-0010-8000-00AA00389B71}"), "UYVY", TypeTarget::Video},
    {MakeGuid("{31313259-0000-0010-8000-00AA00389B71}"), "Y211", TypeTarget::Video},
    {MakeGuid("{32315659-0000-0010-8000-00AA00389B71}"), "YV12", TypeTarget::Video},
    {MakeGuid("{524A4C43-0000-0010-8000-00AA00389B71}"), "CLJR", TypeTarget::Video},
    {MakeGuid("{39304649-0000-0010-8000-00AA00389B71}"), "IF09", TypeTarget::Video},
    {MakeGuid("{414C5043-0000-0010-8000-00AA00389B71}"), "CPLA", TypeTarget::Video},
    {MakeGuid("{47504A4D-0000-0010-8000-00AA00389B71}"), "MJPG", TypeTarget::Video},
    {MakeGuid("{4A4D5654-0000-0010-8000-00AA00389B71}"), "TVMJ", TypeTarget::Video},
    {MakeGuid("{454B4157-0000-0010-8000-00AA00389B71}"), "WAKE", TypeTarget::Video},
    {MakeGuid("{43434643-0000-0010-8000-00AA00389B71}"), "CFCC", TypeTarget::Video},
    {MakeGuid("{47504A49-0000-0010-8000-00AA00389B71}"), "IJPG", TypeTarget::Video},
    {MakeGuid("{6D756C50-0000-0010-8000-00AA00389B71}"), "Plum", TypeTarget::Video},
    {MakeGuid("{53435644-0000-0010-8000-00AA00389B71}"), "DVCS", TypeTarget::Video},
    {MakeGuid("{44535644-0000-0010-8000-00AA00389B71}"), "DVSD", TypeTarget::Video},
    {MakeGuid("{4656444D-0000-0010-8000-00AA00389B71}"), "MDVF", TypeTarget::Video},
    {MakeGuid("{E436EB78-524F-11CE-9F53-0020AF0BA770}"), "RGB1", TypeTarget::Video},
    {MakeGuid("{E436EB79-524F-11CE-9F53-0020AF0BA770}"), "RGB4", TypeTarget::Video},
    {MakeGuid("{E436EB7A-524F-11CE-9F53-0020AF0BA770}"), "RGB8", TypeTarget::Video},
    {MakeGuid("{E436EB7B-524F-11CE-9F53-0020AF0BA770}"), "RGB565", TypeTarget::Video},
    {MakeGuid("{E436EB7C-524F-11CE-9F53-0020AF0BA770}"), "RGB555", TypeTarget::Video},
    {MakeGuid("{E436EB7D-524F-11CE-9F53-0020AF0BA770}"), "RGB24", TypeTarget::Video},
    {MakeGuid("{E436EB7E-524F-11CE-9F53-0020AF0BA770}"), "RGB32", TypeTarget::Video},
    {MakeGuid("{773C9AC0-3274-11D0-B724-00AA006C1A01}"), "ARGB32", TypeTarget::Video},
    {MakeGuid("{E436EB7F-524F-11CE-9F53-0020AF0BA770}"), "Overlay", TypeTarget::Video},
    {MakeGuid("{E436EB80-524F-11CE-9F53-0020AF0BA770}"), "MPEG1Packet", TypeTarget::Video},
    {MakeGuid("{E436EB81-524F-11CE-9F53-0020AF0BA770}"), "MPEG1Payload", TypeTarget::Video},
    {MakeGuid("{00000050-0000-0010-8000-00AA00389B71}"), "MPEG1AudioPayload", TypeTarget::Audio},
    {MakeGuid("{E436EB84-524F-11CE-9F53-0020AF0BA770}"), "MPEG1System", TypeTarget::Video},
    {MakeGuid("{E436EB85-524F-11CE-9F53-0020AF0BA770}"), "MPEG1VideoCD", TypeTarget::Video},
    {MakeGuid("{E436EB86-524F-11CE-9F53-0020AF0BA770}"), "MPEG1Video", TypeTarget::Video},
    {MakeGuid("{E436EB87-524F-11CE-9F53-0020AF0BA770}"), "MPEG1Audio", TypeTarget::Audio},
    {MakeGuid("{E436EB88-524F-11CE-9F53-0020AF0BA770}"), "Avi", TypeTarget::Video},
    {MakeGuid("{3DB80F90-9412-11D1-ADED-0000F8754B99}"), "Asf", TypeTarget::Video},
    {MakeGuid("{E436EB89-524F-11CE-9F53-0020AF0BA770}"), "QTMovie", TypeTarget::Video},
    {MakeGuid("{617A7072-0000-0010-8000-00AA00389B71}"), "QTRpza", TypeTarget::Video},
    {MakeGuid("{20636D73-0000-0010-8000-00AA00389B71}"), "QTSmc", TypeTarget::Video},
    {MakeGuid("{20656C72-0000-0010-8000-00AA00389B71}"), "QTRle", TypeTarget::Video},
    {MakeGuid("{6765706A-0000-0010-8000-00AA00389B71}"), "QTJpeg", TypeTarget::Video},
    {MakeGuid("{E436EB8A-524F-11CE-9F53-0020AF0BA770}"), "PCMAudio Obsolete", TypeTarget::Audio},
    {MakeGuid("{00000001-0000-0010-8000-00AA00389B71}"), "PCM", TypeTarget::Audio},
    {MakeGuid("{E436EB8B-524F-11CE-9F53-0020AF0BA770}"), "WAVE", TypeTarget::Audio},
    {MakeGuid("{E436EB8C-524F-11CE-9F53-0020AF0BA770}"), "AU", TypeTarget::Audio},
    {MakeGuid("{E436EB8D-524F-11CE-9F53-0020AF0BA770}"), "AIFF", TypeTarget::Audio},
    {MakeGuid("{64737664-0000-0010-8000-00AA00389B71}"), "dvsd_", TypeTarget::Video},
    {MakeGuid("{64687664-0000-0010-8000-00AA00389B71}"), "dvhd", TypeTarget::Video},
    {MakeGuid("{6C737664-0000-0010-8000-00AA00389B71}"), "dvsl", TypeTarget::Video},
    {MakeGuid("{6E8D4A22-310C-11D0-B79A-00AA003767A7}"), "Line21 BytePair", TypeTarget::Other},
    {MakeGuid("{6E8D4A23-310C-11D0-B79A-00AA003767A7}"), "Line21 GOPPacket", TypeTarget::Other},
    {MakeGuid("{6E8D4A24-310C-11D0-B79A-00AA003767A7}"), "Line21 VBIRawData", TypeTarget::Other},
    {MakeGuid("{00000009-0000-0010-8000-00AA00389B71}"), "DRM Audio", TypeTarget::Audio},
    {MakeGuid("{00000003-0000-0010-8000-00AA00389B71}"), "IEEE FLOAT", TypeTarget::Other},
    {MakeGuid("{00000092-0000-0010-8000-00AA00389B71}"), "DOLBY AC3 SPDIF", TypeTarget::Audio},
    {MakeGuid("{00000240-0000-0010-8000-00AA00389B71}"), "RAW SPORT", TypeTarget::Audio},
    {MakeGuid("{00000241-0000-0010-8000-00AA00389B71}"), "SPDIF TAG 241h", TypeTarget::Audio},
    {MakeGuid("{A0AF4F81-E163-11D0-BAD9-00609744111A}"), "DssVideo", TypeTarget::Video},
    {MakeGuid("{A0AF4F82-E163-11D0-BAD9-00609744111A}"), "DssAudio", TypeTarget::Audio},
    {MakeGuid("{5A9B6A40-1A22-11D1-BAD9-00609744111A}"), "VPVideo", TypeTarget::Video},
    {MakeGuid("{5A9B6A41-1A22-11D1-BAD9-00609744111A}"), "VPVBI", TypeTarget::Video},
    {MakeGuid("{0482DDE2-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo NTSC M", TypeTarget::Video},
    {MakeGuid("{0482DDE5-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL B", TypeTarget::Video},
    {MakeGuid("{0482DDE6-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL D", TypeTarget::Video},
    {MakeGuid("{0482DDE7-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL G", TypeTarget::Video},
    {MakeGuid("{0482DDE8-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL H", TypeTarget::Video},
    {MakeGuid("{0482DDE9-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL I", TypeTarget::Video},
    {MakeGuid("{0482DDEA-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL M", TypeTarget::Video},
    {MakeGuid("{0482DDEB-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL N", TypeTarget::Video},
    {MakeGuid("{0482DDEC-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo PAL N COMBO", TypeTarget::Video},
    {MakeGuid("{0482DDF0-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM B", TypeTarget::Video},
    {MakeGuid("{0482DDF1-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM D", TypeTarget::Video},
    {MakeGuid("{0482DDF2-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM G", TypeTarget::Video},
    {MakeGuid("{0482DDF3-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM H", TypeTarget::Video},
    {MakeGuid("{0482DDF4-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM K", TypeTarget::Video},
    {MakeGuid("{0482DDF5-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM K1", TypeTarget::Video},
    {MakeGuid("{0482DDF6-7817-11CF-8A03-00AA006ECB65}"), "AnalogVideo SECAM L", TypeTarget::Video},
    {MakeGuid("{E06D8026-DB46-11CF-B4D1-00805F6CBBEA}"), "MPEG2 VIDEO", TypeTarget::Video},
    {MakeGuid("{E06D8022-DB46-11CF-B4D1-00805F6CBBEA}"), "MPEG2 PROGRAM", TypeTarget::Video},
    {MakeGuid("{E06D8023-DB46-11CF-B4D1-00805F6CBBEA}"), "MPEG2 TRANSPORT", TypeTarget::Video},
    {MakeGuid("{E06D802B-DB46-11CF-B4D1-00805F6CBBEA}"), "MPEG2 AUDIO", TypeTarget::Audio},
    {MakeGuid("{E06D802C-DB46-11CF-B4D1-00805F6CBBEA}"), "DOLBY AC3", TypeTarget::Audio},
    {MakeGuid("{E06D802D-DB46-11CF-B4D1-00805F6CBBEA}"), "DVD SUBPICTURE", TypeTarget::Video},
    {MakeGuid("{E06D8032-DB46-11CF-B4D1-00805F6CBBEA}"), "DVD LPCM AUDIO", TypeTarget::Audio},
    {MakeGuid("{E06D8033-DB46-11CF-B4D1-00805F6CBBEA}"), "DTS", TypeTarget::Audio},
    {MakeGuid("{E06D8034-DB46-11CF-B4D1-00805F6CBBEA}"), "SDDS", TypeTarget::Audio},
    {MakeGuid("{E06D802F-DB46-11CF-B4D1-00805F6CBBEA}"), "PCI", TypeTarget::Other},
    {MakeGuid("{E06D8030-DB46-11CF-B4D1-00805F6CBBEA}"), "DSI", TypeTarget::Other},
    {MakeGuid("{E06D8031-DB46-11CF-B4D1-00805F6CBBEA}"), "PROVIDER", TypeTarget::Other},
    {MakeGuid("{3234504D-0000-0010-8000-00AA00389B71}"), "MS-MPEG4", TypeTarget::Video},
    {MakeGuid("{58564944-0000-0010-8000-00AA00389B71}"), "DIVX", TypeTarget::Video},
    {MakeGuid("{00000075-0000-0010-8000-00AA00389B71}"), "VOXWARE MetaSound", TypeTarget::Audio},
};

struct FormatName {
    GUID key;
    std::string_view name;
};

// Only the kinds the analysis does not examine in detail; the five it examines never get here.
constexpr FormatName kFormatTypes[] = {
    {FORMAT_DvInfo, "DvInfo"},         {FORMAT_MPEGStreams, "MPEGStreams"},     {FORMAT_DolbyAC3, "DolbyAC3"},
    {FORMAT_MPEG2Audio, "MPEG2Audio"}, {FORMAT_DVD_LPCMAudio, "DVD_LPCMAudio"},
};

template <class Row, size_t N>
const Row* Find(const Row (&table)[N], const GUID& key) {
    for (const Row& row : table)
        if (IsEqualGUID(row.key, key)) return &row;
    return nullptr;
}

}  // namespace

TypeName MajorTypeName(const GUID& majorType) {
    if (const GuidName* row = Find(kMajorTypes, majorType)) return {row->name, row->target};
    return {"Unknown", TypeTarget::Other};
}

TypeName SubTypeName(const GUID& subType) {
    if (const GuidName* row = Find(kSubTypes, subType)) return {row->name, row->target};
    return {"UnKnown ", TypeTarget::Other};
}

std::string_view FormatTypeName(const GUID& formatType) {
    if (const FormatName* row = Find(kFormatTypes, formatType)) return row->name;
    return "Unknown";
}
