// Whether this machine's hardware decodes the streams of a file: the platform's probe asked for
// every hardware path of the file's details.
#pragma once

#include <string>

#include "mediainfo/file_details.h"

// Answers every path of the details that has no answer yet; the device types are probed once per
// process, so a second file costs only the trial decodes on devices that opened. Paths stay
// without an answer when the platform has no probe.
void ProbeHardwareDecoding(const std::string& path, FileDetails& details);
