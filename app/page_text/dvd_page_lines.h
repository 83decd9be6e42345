// The lines of the DVD page, shared by the window and lumora_info.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dvd_types.h"

class TKx_DVD_TitleInfo;

// The title list's line for the record at index: «Глава 2  [1:5:3]» (no frames).
std::string DvdTitleLine(int32_t index, const TKx_DVD_TitleInfo& title);

// «MPEG2 720x576 16:9 », with its trailing space.
std::string DvdVideoLine(const DVD_TitleAttributes& attributes);

// The name of an audio format; empty for a value the platform does not define.
std::string DvdAudioFormatName(DVD_AUDIO_FORMAT format);

// One line per audio stream (at most 8): «AC3 - 6 канала(ов) - English».
std::vector<std::string> DvdAudioLines(const DVD_TitleAttributes& attributes);

// One line per subpicture stream (at most 32): the language's name.
std::vector<std::string> DvdSubtitleLines(const DVD_TitleAttributes& attributes);
