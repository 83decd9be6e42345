// The path a drop onto the window names: the first entry of its "text/uri-list".
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The local file path that the first URI of a "text/uri-list" names, as the file system spells
// it: percent escapes become the bytes they stand for, so a name that is not UTF-8 survives.
// Nothing when the first URI is not a local file (another scheme, another host than an empty
// one, "localhost" or localHost) or not a well-formed one. Comment lines ('#') do not count.
std::optional<std::string> FirstLocalPathOfUriList(std::string_view uriList, std::string_view localHost);
