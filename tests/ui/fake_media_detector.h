// A media detector that answers from a script: the streams it reports for each file path. Tests
// install it in place of the real one for one scope.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/media_det.h"

struct FakeStream {
    GUID majortype{};
    GUID subtype{};
    GUID formattype{};
    std::vector<uint8_t> format;  // the format block handed over with the media type
    double length = 0;            // seconds
    double frameRate = 0;         // frames per second; video streams only
};

struct FakeFile {
    bool opens = true;  // false: put_Filename refuses the file
    std::vector<FakeStream> streams;
};

// A video stream with a VIDEOINFOHEADER block.
FakeStream FakeVideoStream(int32_t width, int32_t height, const char (&fourcc)[5], uint32_t bitRate,
                           double frameRate, double length);
// An audio stream with a WAVEFORMATEX block.
FakeStream FakeAudioStream(uint16_t formatTag, uint16_t channels, uint32_t sampleRate, uint16_t bitsPerSample,
                           uint32_t bytesPerSecond, double length);

// Scripted files by path; a path not in the script is refused like an unreadable file. Every
// path the detector was given is recorded.
class FakeMediaDetectorScript {
public:
    std::map<std::string, FakeFile> files;
    std::vector<std::string> openedPaths;
};

// Installs the fake detector for its lifetime.
class ScopedFakeMediaDetector {
public:
    ScopedFakeMediaDetector();
    FakeMediaDetectorScript& Script() { return *script_; }

private:
    std::shared_ptr<FakeMediaDetectorScript> script_;
    ScopedClassOverride override_;
};
