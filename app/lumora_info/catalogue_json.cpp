#include "app/lumora_info/catalogue_json.h"

#include <iterator>

#include "app/page_text/catalogue_page_lines.h"

namespace {

// In the page's order, as CataloguePageLists gives them.
constexpr const char* kListKeys[] = {
    "video_codecs",          "audio_codecs", "directshow_filters",   "video_capture_devices",
    "audio_capture_devices", "tv_tuners",    "audio_output_devices",
};

// A display name is "name — long name" (an em dash between spaces), or the name alone.
Json Entry(const std::string& displayName) {
    constexpr std::string_view kSeparator = " \u2014 ";
    const size_t at = displayName.find(kSeparator);
    if (at == std::string::npos) return {{"name", displayName}, {"long_name", nullptr}};
    return {{"name", displayName.substr(0, at)}, {"long_name", displayName.substr(at + kSeparator.size())}};
}

}  // namespace

Json CatalogueJson(const TKxLumora& lumora) {
    Json object = JsonObject();
    object["ok"] = true;
    object["error"] = nullptr;
    const std::vector<CatalogueList> lists = CataloguePageLists(lumora);
    Json all = Json::object();
    for (size_t i = 0; i < lists.size() && i < std::size(kListKeys); ++i) {
        Json entries = Json::array();
        for (const std::string& item : lists[i].items)
            entries.push_back(Entry(item));
        all[kListKeys[i]] = {{"label", lists[i].label}, {"entries", std::move(entries)}};
    }
    object["lists"] = std::move(all);
    return object;
}

Json CatalogueFailureJson(const std::string& error) {
    Json object = JsonObject();
    object["ok"] = false;
    object["error"] = error;
    return object;
}
