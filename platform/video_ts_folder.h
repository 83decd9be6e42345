// Where a DVD-Video volume's VIDEO_TS folder is, from any path a user may pick.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Whether the file's name ends in .ifo or .bup, in any case.
bool IsInfoFileName(const std::filesystem::path& file);

// The VIDEO_TS folder (name matched case-insensitively) for an .ifo or .bup file inside it, for
// the folder itself, or for the volume folder that holds it. Nothing for anything else: a
// missing path, another kind of file, an .ifo outside any VIDEO_TS.
std::optional<std::filesystem::path> FindVideoTsFolder(std::string_view path);
