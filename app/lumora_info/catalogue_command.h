// lumora_info --catalogue: what the filters and codecs page lists.
#pragma once

class Output;
class TKxLumora;

// Each list's label, then its names indented, in drop-down order (or one JSON object). Returns the
// exit status.
int PrintCatalogue(TKxLumora& lumora, bool json, Output& out);
