#include "app/lumora_info/json_writer.h"

#include "app/lumora_info/catalogue_json.h"
#include "app/lumora_info/dvd_json.h"
#include "app/lumora_info/file_json.h"
#include "app/lumora_info/json_text.h"
#include "component/lumoram.h"

namespace {

Json Head(const std::optional<std::string>& path) {
    Json object = JsonObject();
    if (path) PutPath(object, *path);
    return object;
}

// A mode whose failures carry a reason has "reason": null when it succeeds.
Json Succeeded(const std::optional<std::string>& path, bool withReason) {
    Json object = Head(path);
    object["ok"] = true;
    object["error"] = nullptr;
    if (withReason) object["reason"] = nullptr;
    return object;
}

Json Failed(const Failure& failure) {
    Json object = Head(failure.path);
    object["ok"] = false;
    object["error"] = failure.error;
    if (failure.reason) object["reason"] = *failure.reason;
    return object;
}

}  // namespace

std::string JsonFileHeader(size_t, size_t, std::string_view) { return {}; }

std::string JsonFile(const FileRecord& record) {
    Json object = record.failure ? Failed(*record.failure) : Succeeded(record.path, true);
    PutFileFacts(object, record.lumora, record.failure.has_value());
    return JsonLine(object);
}

std::string JsonDvd(const DvdRecord& record) {
    Json object = Succeeded(record.path, false);
    PutDvdFacts(object, record.lumora.DVDInfo(), record.lumora.DVDDetails());
    return JsonLine(object);
}

std::string JsonCatalogue(const CatalogueRecord& record) {
    Json object = Succeeded(std::nullopt, false);
    object["lists"] = CatalogueListsJson(record.lists, record.availability);
    return JsonLine(object);
}

std::string JsonFailure(const Failure& failure) { return JsonLine(Failed(failure)); }
