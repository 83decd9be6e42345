// What the details window shows of one reading: the name it goes by, its report and its JSON.
// Taken when the reading ends, since the component's next reading (of either page) replaces what
// they are made from.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "app/page_text/report.h"

class TKxLumora;

struct TDetailsContent {
    QString name;      // the file's name; for a volume its label, else its folder's name
    Report report;     // what lumora_info -of full prints
    std::string json;  // what lumora_info --json prints for the same file or volume
    std::string file;  // the file's path, for the decoding check; empty for a volume
};

// The content of the file the component read last, its hardware decoding probed first as
// lumora_info probes it for the same report; null when the reading left no report.
std::shared_ptr<const TDetailsContent> FileDetailsContent(TKxLumora& lumora);
// The content of the volume the component read last; null when the reading found none.
std::shared_ptr<const TDetailsContent> DvdDetailsContent(const TKxLumora& lumora);
