// The JSON fields of a DVD-Video volume's details, added to the objects the volume's other facts
// make: null (or empty) where the reading has no details.
#pragma once

#include "app/lumora_info/json_text.h"
#include "dvd/kx_dvd_details.h"

// label, label_source, vmg_id, provider_id, title_sets, longest_title.
void PutDvdVolumeDetails(Json& object, const TKxDVDDetails& details);

// title_set, title_in_set, title_set_id, angles, chapter_times, cells, palette; the video's
// display_formats, closed_captions, camera_mode.
void PutDvdTitleDetails(Json& title, const TKxDVDTitleDetails* details);

// stream_id, available, content, quantization, dolby_surround.
void PutDvdAudioDetails(Json& stream, const TKxDVDAudioDetails* details);

// available, kind, stream_ids.
void PutDvdSubtitleDetails(Json& stream, const TKxDVDSubtitleDetails* details);
