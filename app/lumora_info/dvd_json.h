// The JSON object of a DVD-Video volume.
#pragma once

#include <string>

#include "app/lumora_info/json_text.h"

class TKxDVDInfo;

// The volume's facts and each title's, as the component read them from path.
Json DvdJson(const std::string& path, const TKxDVDInfo& dvd);

// The object of a path that is no readable volume.
Json DvdFailureJson(const std::string& path, const std::string& error);
