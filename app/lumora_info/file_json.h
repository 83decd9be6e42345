// The JSON fields of one analysed file.
#pragma once

#include "app/lumora_info/json_text.h"

class TKxLumora;

// What the component holds after ReadFileInfo, with typed fields, put after the fields every
// object starts with; failed when the analysis left its failure marker.
void PutFileFacts(Json& object, const TKxLumora& lumora, bool failed);
