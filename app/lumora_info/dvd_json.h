// The JSON fields of a DVD-Video volume.
#pragma once

#include "app/lumora_info/json_text.h"

class TKxDVDInfo;

// The volume's facts and each title's, as the component read them, put after the fields every
// object starts with.
void PutDvdFacts(Json& object, const TKxDVDInfo& dvd);
