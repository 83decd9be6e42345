// Reading libavformat's tag dictionaries.
#pragma once

extern "C" {
#include <libavutil/dict.h>
}

#include <optional>
#include <vector>

#include "platform/media_details.h"

namespace lumora::ffmpeg {

// Every tag in the dictionary's order.
std::vector<MediaTag> TagsOf(const AVDictionary* tags);

// The value of the tag of that key (in any case), or "".
std::string TagValue(const AVDictionary* tags, const char* key);

// The value of the first tag whose key starts with `prefix` ("BPS-eng", "DURATION"), or null.
const char* TagByPrefix(const AVDictionary* tags, const char* prefix);

// "HH:MM:SS.fraction", as Matroska muxers store a stream's length, in seconds.
std::optional<double> ParseClockDuration(const char* text);

}  // namespace lumora::ffmpeg
