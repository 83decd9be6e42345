#include "app/lumora_info/catalogue_json.h"

#include "app/lumora_info/hardware_answer_json.h"

namespace {

// A display name is "name — long name" (an em dash between spaces), or the name alone.
Json Entry(const std::string& displayName) {
    constexpr std::string_view kSeparator = " \u2014 ";
    const size_t at = displayName.find(kSeparator);
    if (at == std::string::npos) return {{"name", displayName}, {"long_name", nullptr}};
    return {{"name", displayName.substr(0, at)}, {"long_name", displayName.substr(at + kSeparator.size())}};
}

}  // namespace

Json CatalogueListsJson(const std::vector<CatalogueList>& lists,
                        const std::map<std::string, HardwareProbeAnswer>& availability) {
    Json all = Json::object();
    for (const CatalogueList& list : lists) {
        Json entries = Json::array();
        for (const std::string& item : list.items) {
            entries.push_back(Entry(item));
            if (const auto found = availability.find(item); found != availability.end()) {
                entries.back()["usable"] = found->second.result == HardwareProbeResult::Usable;
                entries.back()["reason"] = HardwareReason(found->second);
            }
        }
        all[list.key] = {{"label", list.label}, {"entries", std::move(entries)}};
    }
    return all;
}
