#include "backends/ffmpeg/tags.h"

#include <cstdio>

namespace lumora::ffmpeg {

std::vector<MediaTag> TagsOf(const AVDictionary* tags) {
    std::vector<MediaTag> all;
    const AVDictionaryEntry* entry = nullptr;
    while ((entry = av_dict_get(tags, "", entry, AV_DICT_IGNORE_SUFFIX)))
        all.push_back({entry->key, entry->value});
    return all;
}

std::string TagValue(const AVDictionary* tags, const char* key) {
    const AVDictionaryEntry* entry = av_dict_get(tags, key, nullptr, 0);
    return entry ? entry->value : "";
}

const char* TagByPrefix(const AVDictionary* tags, const char* prefix) {
    const AVDictionaryEntry* entry = av_dict_get(tags, prefix, nullptr, AV_DICT_IGNORE_SUFFIX);
    return entry ? entry->value : nullptr;
}

std::optional<double> ParseClockDuration(const char* text) {
    unsigned hours = 0, minutes = 0;
    double seconds = 0;
    if (std::sscanf(text, "%u:%u:%lf", &hours, &minutes, &seconds) != 3 || seconds < 0) return std::nullopt;
    return hours * 3600.0 + minutes * 60.0 + seconds;
}

}  // namespace lumora::ffmpeg
