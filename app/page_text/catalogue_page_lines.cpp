#include "app/page_text/catalogue_page_lines.h"

#include "app/page_text/drop_down_order.h"
#include "component/lumoram.h"

std::vector<CatalogueList> CataloguePageLists(const TKxLumora& lumora) {
    const struct {
        const char* label;
        const TStrings& names;
    } lists[] = {
        {"Видео кодеки:", lumora.List_VideoCodecs()},
        {"Аудио кодеки:", lumora.List_AudioCodecs()},
        {"Фильтры DirectShow:", lumora.List_DirectShowFilters()},
        {"Устройства захвата видео:", lumora.List_VideoCaptureDevices()},
        {"Устройства захвата аудио:", lumora.List_AudioCaptureDevices()},
        {"TV тюнеры:", lumora.List_TVTuners()},
        {"Устройства аудиовывода:", lumora.List_AudioOutputDevices()},
    };
    std::vector<CatalogueList> result;
    for (const auto& list : lists)
        result.push_back({list.label, DropDownOrder(list.names)});
    return result;
}

std::vector<std::string> CataloguePageLines(const TKxLumora& lumora) {
    std::vector<std::string> lines;
    for (const CatalogueList& list : CataloguePageLists(lumora)) {
        lines.push_back(list.label);
        for (const std::string& item : list.items)
            lines.push_back("  " + item);
    }
    return lines;
}
