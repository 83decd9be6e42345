#include "app/page_text/catalogue_page_lines.h"

#include "app/page_text/drop_down_order.h"
#include "component/lumoram.h"

std::vector<CatalogueList> CataloguePageLists(const TKxLumora& lumora) {
    const struct {
        const char* label;
        const char* key;
        const TStrings& names;
    } lists[] = {
        {"Видео кодеки:", "video_codecs", lumora.List_VideoCodecs()},
        {"Аудио кодеки:", "audio_codecs", lumora.List_AudioCodecs()},
        {"Фильтры DirectShow:", "directshow_filters", lumora.List_DirectShowFilters()},
        {"Устройства захвата видео:", "video_capture_devices", lumora.List_VideoCaptureDevices()},
        {"Устройства захвата аудио:", "audio_capture_devices", lumora.List_AudioCaptureDevices()},
        {"TV тюнеры:", "tv_tuners", lumora.List_TVTuners()},
        {"Устройства аудиовывода:", "audio_output_devices", lumora.List_AudioOutputDevices()},
    };
    std::vector<CatalogueList> result;
    for (const auto& list : lists)
        result.push_back({list.label, list.key, DropDownOrder(list.names)});
    return result;
}

std::vector<std::string> CataloguePageLines(const std::vector<CatalogueList>& lists) {
    std::vector<std::string> lines;
    for (const CatalogueList& list : lists) {
        lines.push_back(list.label);
        for (const std::string& item : list.items)
            lines.push_back("  " + item);
    }
    return lines;
}

std::vector<std::string> CataloguePageLines(const TKxLumora& lumora) {
    return CataloguePageLines(CataloguePageLists(lumora));
}
