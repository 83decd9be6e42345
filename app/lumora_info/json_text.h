// What the JSON output of every mode shares: the version field, paths and the text form.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

using Json = nlohmann::ordered_json;

// Raised whenever a field changes meaning or is removed; new fields keep the version.
inline constexpr int kJsonVersion = 1;

// An object that starts with the version field.
Json JsonObject();

// "path", and "path_bytes" (the name's bytes in hex) when the name is not well-formed UTF-8.
void PutPath(Json& object, const std::string& path);

// A text, or null when it is empty.
Json TextOrNull(const std::string& text);

// One line of compact JSON; bytes that are not well-formed UTF-8 become U+FFFD.
std::string JsonLine(const Json& object);
