// lumora_info --catalogue: what the filters and codecs page lists.
#pragma once

class Output;
class TKxLumora;
struct Writer;

// The seven lists, filled and handed to the writer; when they cannot be filled, the failure, with
// one line on standard error. Returns the exit status.
int PrintCatalogue(TKxLumora& lumora, const Writer& writer, Output& out);
