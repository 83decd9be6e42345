// One fuzzing run over the media detector: the input is a media file.
#pragma once

#include <cstddef>
#include <cstdint>

// The whole road of the file page in this process: the input becomes a file in memory, which the
// FFmpeg backend's detector opens through its own I/O as it opens any file (probing, header
// reading, stream information, the AM_MEDIA_TYPE blocks), then the file analysis reads it
// through IMediaDet and the page's lines are made, then the full report and the JSON of its
// details (the first frames' reading included). Never fails; crashes are the findings.
void RunMediaFileInput(const uint8_t* data, size_t size);
