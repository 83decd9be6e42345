#include "app/lumora_info/json_text.h"

#include "platform/utf8.h"

Json JsonObject() {
    Json object = Json::object();
    object["lumora_json"] = kJsonVersion;
    return object;
}

void PutPath(Json& object, const std::string& path) {
    object["path"] = path;
    if (IsWellFormedUtf8(path)) return;
    constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        hex += {kHex[byte >> 4], kHex[byte & 15]};
    }
    object["path_bytes"] = hex;
}

Json TextOrNull(const std::string& text) { return text.empty() ? Json() : Json(text); }

std::string JsonLine(const Json& object) {
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
