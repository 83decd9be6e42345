// Names of containers by file name extension.
#pragma once

#include <optional>
#include <string_view>

// The container from the file name's extension (after the last '.', '\\' or ':'); nothing when
// the extension is not a known one.
std::optional<std::string_view> ContainerNameForExtension(std::string_view fileName);
