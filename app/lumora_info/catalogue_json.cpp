#include "app/lumora_info/catalogue_json.h"

namespace {

// A display name is "name — long name" (an em dash between spaces), or the name alone.
Json Entry(const std::string& displayName) {
    constexpr std::string_view kSeparator = " \u2014 ";
    const size_t at = displayName.find(kSeparator);
    if (at == std::string::npos) return {{"name", displayName}, {"long_name", nullptr}};
    return {{"name", displayName.substr(0, at)}, {"long_name", displayName.substr(at + kSeparator.size())}};
}

}  // namespace

Json CatalogueListsJson(const std::vector<CatalogueList>& lists) {
    Json all = Json::object();
    for (const CatalogueList& list : lists) {
        Json entries = Json::array();
        for (const std::string& item : list.items)
            entries.push_back(Entry(item));
        all[list.key] = {{"label", list.label}, {"entries", std::move(entries)}};
    }
    return all;
}
