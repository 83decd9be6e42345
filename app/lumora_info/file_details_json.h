// The "details" object of a file's JSON: every fact of the file's details, typed.
#pragma once

#include "app/lumora_info/json_text.h"
#include "mediainfo/file_details.h"

Json FileDetailsJson(const FileDetails& details);
