// The JSON fields of a DVD-Video volume.
#pragma once

#include "app/lumora_info/json_text.h"

class TKxDVDDetails;
class TKxDVDInfo;

// The volume's facts and each title's, as the component read them with their details, put after
// the fields every object starts with.
void PutDvdFacts(Json& object, const TKxDVDInfo& dvd, const TKxDVDDetails& details);
