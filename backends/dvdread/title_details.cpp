#include "backends/dvdread/title_details.h"

#include <algorithm>
#include <iterator>

#include "backends/dvdread/ifo_attributes.h"
#include "backends/dvdread/ifo_text.h"

namespace lumora::dvdread {

namespace {

bool IsBcd(uint8_t value, unsigned tensLimit) { return (value & 0x0F) <= 9 && (value >> 4) <= tensLimit; }

uint8_t FromBcd(uint8_t value) { return static_cast<uint8_t>((value >> 4) * 10 + (value & 0x0F)); }

DvdVideoDetails VideoOf(const video_attr_t& video) {
    return {static_cast<uint8_t>(video.mpeg_version),
            static_cast<uint8_t>(video.video_format),
            static_cast<uint8_t>(video.display_aspect_ratio),
            static_cast<uint8_t>(video.permitted_df),
            video.line21_cc_1 != 0,
            video.line21_cc_2 != 0,
            static_cast<uint8_t>(video.picture_size),
            video.letterboxed != 0,
            video.film_mode != 0};
}

DvdAudioDetails AudioOf(const audio_attr_t& audio, uint16_t control) {
    return {static_cast<uint8_t>(audio.audio_format),
            audio.multichannel_extension != 0,
            static_cast<uint8_t>(audio.lang_type),
            static_cast<uint8_t>(audio.application_mode),
            static_cast<uint8_t>(audio.quantization),
            static_cast<uint8_t>(audio.sample_frequency),
            static_cast<uint8_t>(audio.channels),
            audio.lang_code,
            audio.code_extension,
            AppModeData(audio),
            control};
}

DvdSubpictureDetails SubpictureOf(const subp_attr_t& subpicture, uint32_t control) {
    return {static_cast<uint8_t>(subpicture.code_mode), static_cast<uint8_t>(subpicture.type),
            subpicture.lang_code, subpicture.code_extension, control};
}

DvdCellDetails CellOf(const cell_playback_t& cell) {
    return {ToDvdTime(cell.playback_time),
            static_cast<uint8_t>(cell.block_mode),
            static_cast<uint8_t>(cell.block_type),
            cell.seamless_play != 0,
            cell.interleaved != 0,
            cell.stc_discontinuity != 0,
            cell.seamless_angle != 0,
            cell.still_time,
            cell.first_sector,
            cell.last_sector};
}

}  // namespace

DvdTime ToDvdTime(const dvd_time_t& time) {
    const uint8_t frames = time.frame_u & 0x3F;
    return {FromBcd(time.hour),
            FromBcd(time.minute),
            FromBcd(time.second),
            FromBcd(frames),
            static_cast<uint8_t>(time.frame_u >> 6),
            IsBcd(time.hour, 9) && IsBcd(time.minute, 5) && IsBcd(time.second, 5) && IsBcd(frames, 3)};
}

DvdTitleDetails ReadTitleDetails(const title_info_t& info, const vtsi_mat_t& titleSet,
                                 const pgc_t& entryChain) {
    DvdTitleDetails details;
    details.titleSet = info.title_set_nr;
    details.titleInSet = info.vts_ttn;
    details.angles = info.nr_of_angles;
    details.titleSetIdentifier = IfoText(titleSet.vts_identifier);
    details.playbackTime = ToDvdTime(entryChain.playback_time);
    details.video = VideoOf(titleSet.vts_video_attr);
    const size_t audio =
        std::min<size_t>(titleSet.nr_of_vts_audio_streams, std::size(titleSet.vts_audio_attr));
    for (size_t i = 0; i < audio; ++i)
        details.audio.push_back(AudioOf(titleSet.vts_audio_attr[i], entryChain.audio_control[i]));
    const size_t subpictures =
        std::min<size_t>(titleSet.nr_of_vts_subp_streams, std::size(titleSet.vts_subp_attr));
    for (size_t i = 0; i < subpictures; ++i)
        details.subpictures.push_back(SubpictureOf(titleSet.vts_subp_attr[i], entryChain.subp_control[i]));
    // Element by element: the chain's fields are packed, so no reference may bind to the array.
    for (size_t i = 0; i < details.palette.size(); ++i)
        details.palette[i] = entryChain.palette[i];
    if (entryChain.program_map)
        details.programMap.assign(entryChain.program_map, entryChain.program_map + entryChain.nr_of_programs);
    if (entryChain.cell_playback)
        std::transform(entryChain.cell_playback, entryChain.cell_playback + entryChain.nr_of_cells,
                       std::back_inserter(details.cells), CellOf);
    return details;
}

}  // namespace lumora::dvdread
