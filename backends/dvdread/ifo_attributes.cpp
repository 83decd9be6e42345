#include "backends/dvdread/ifo_attributes.h"

#include <iterator>

#include "backends/dvdread/language_codes.h"

namespace lumora::dvdread {

namespace {

BYTE FromBcd(uint8_t value) { return static_cast<BYTE>((value >> 4) * 10 + (value & 0x0F)); }

DVD_AUDIO_FORMAT ToAudioFormat(const audio_attr_t& audio) {
    const bool drc = audio.quantization == 1;
    switch (audio.audio_format) {
        case 0: return DVD_AudioFormat_AC3;
        case 2: return drc ? DVD_AudioFormat_MPEG1_DRC : DVD_AudioFormat_MPEG1;
        case 3: return drc ? DVD_AudioFormat_MPEG2_DRC : DVD_AudioFormat_MPEG2;
        case 4: return DVD_AudioFormat_LPCM;
        case 6: return DVD_AudioFormat_DTS;
        case 7: return DVD_AudioFormat_SDDS;
        default: return DVD_AudioFormat_Other;
    }
}

}  // namespace

BYTE AppModeData(const audio_attr_t& audio) {
    // libdvdread 6 reads the byte into the union's karaoke view whatever the mode; its surround
    // view covers other bits of the union on a little-endian machine, so the byte is rebuilt from
    // the karaoke view in both modes (Dolby Surround is bit 3).
    const auto& stored = audio.app_info.karaoke;
    const auto byte = static_cast<BYTE>(stored.channel_assignment << 4 | stored.version << 2 |
                                        stored.mc_intro << 1 | stored.mode);
    switch (audio.application_mode) {
        case 1: return byte;
        case 2: return byte & 0x08;
        default: return 0;
    }
}

DVD_VideoAttributes ToVideoAttributes(const video_attr_t& video) {
    DVD_VideoAttributes result{};
    result.fPanscanPermitted = !(video.permitted_df & 2);
    result.fLetterboxPermitted = !(video.permitted_df & 1);
    if (video.display_aspect_ratio == 0) {
        result.ulAspectX = 4;
        result.ulAspectY = 3;
    } else if (video.display_aspect_ratio == 3) {
        result.ulAspectX = 16;
        result.ulAspectY = 9;
    }
    ULONG height = 0;
    if (video.video_format == 0) {
        result.ulFrameRate = 60;
        height = 480;
    } else if (video.video_format == 1) {
        result.ulFrameRate = 50;
        height = 576;
    }
    result.ulFrameHeight = height;
    result.Compression = video.mpeg_version == 0   ? DVD_VideoCompression_MPEG1
                         : video.mpeg_version == 1 ? DVD_VideoCompression_MPEG2
                                                   : DVD_VideoCompression_Other;
    result.fLine21Field1InGOP = video.line21_cc_1;
    result.fLine21Field2InGOP = video.line21_cc_2;
    constexpr ULONG kWidths[4] = {720, 704, 352, 352};
    result.ulSourceResolutionX = kWidths[video.picture_size & 3];
    result.ulSourceResolutionY = video.picture_size == 3 ? height / 2 : height;
    result.fIsSourceLetterboxed = video.letterboxed;
    result.fIsFilmMode = video.film_mode;
    return result;
}

DVD_AudioAttributes ToAudioAttributes(const audio_attr_t& audio) {
    DVD_AudioAttributes result{};
    result.AppMode = static_cast<DVD_AUDIO_APPMODE>(audio.application_mode);
    result.AppModeData = AppModeData(audio);
    result.AudioFormat = ToAudioFormat(audio);
    result.Language = audio.lang_type == 1 ? LocaleFromDvdLanguageCode(audio.lang_code) : 0;
    result.LanguageExtension = static_cast<DVD_AUDIO_LANG_EXT>(audio.code_extension);
    result.fHasMultichannelInfo = audio.multichannel_extension;
    result.dwFrequency = audio.sample_frequency == 0 ? 48000 : audio.sample_frequency == 1 ? 96000 : 0;
    if (audio.audio_format == 4) {
        constexpr BYTE kLpcmBits[4] = {16, 20, 24, 0};
        result.bQuantization = kLpcmBits[audio.quantization & 3];
    }
    result.bNumberOfChannels = static_cast<BYTE>(audio.channels + 1);
    return result;
}

DVD_SubpictureAttributes ToSubpictureAttributes(const subp_attr_t& subpicture) {
    DVD_SubpictureAttributes result{};
    result.Type = subpicture.type <= 2 ? static_cast<DVD_SUBPICTURE_TYPE>(subpicture.type) : DVD_SPType_Other;
    result.CodingMode = subpicture.code_mode <= 1 ? static_cast<DVD_SUBPICTURE_CODING>(subpicture.code_mode)
                                                  : DVD_SPCoding_Other;
    result.Language = subpicture.type == 1 ? LocaleFromDvdLanguageCode(subpicture.lang_code) : 0;
    result.LanguageExtension = static_cast<DVD_SUBPICTURE_LANG_EXT>(subpicture.code_extension);
    return result;
}

TitleTime ToTitleTime(const dvd_time_t& time) {
    TitleTime result{};
    result.time.bHours = FromBcd(time.hour);
    result.time.bMinutes = FromBcd(time.minute);
    result.time.bSeconds = FromBcd(time.second);
    result.time.bFrames = static_cast<BYTE>(((time.frame_u >> 4) & 3) * 10 + (time.frame_u & 0x0F));
    const unsigned rate = time.frame_u >> 6;
    result.flags = rate == 1 ? ULONG{DVD_TC_FLAG_25fps} : rate == 3 ? ULONG{DVD_TC_FLAG_30fps} : 0;
    return result;
}

ULONG ToUserOperations(const user_ops_t& operations) {
    const unsigned bits[] = {
        operations.title_or_time_play,
        operations.chapter_search_or_play,
        operations.title_play,
        operations.stop,
        operations.go_up,
        operations.time_or_chapter_search,
        operations.prev_or_top_pg_search,
        operations.next_pg_search,
        operations.forward_scan,
        operations.backward_scan,
        operations.title_menu_call,
        operations.root_menu_call,
        operations.subpic_menu_call,
        operations.audio_menu_call,
        operations.angle_menu_call,
        operations.chapter_menu_call,
        operations.resume,
        operations.button_select_or_activate,
        operations.still_off,
        operations.pause_on,
        operations.audio_stream_change,
        operations.subpic_stream_change,
        operations.angle_change,
        operations.karaoke_audio_pres_mode_change,
        operations.video_pres_mode_change,
    };
    ULONG result = 0;
    for (ULONG n = 0; n < std::size(bits); ++n)
        if (bits[n]) result |= ULONG{1} << n;
    return result;
}

void ToRegionFlags(uint32_t category, BOOL (&regions)[8]) {
    for (unsigned i = 0; i < 8; ++i)
        regions[i] = (category >> (16 + i)) & 1;
}

}  // namespace lumora::dvdread
