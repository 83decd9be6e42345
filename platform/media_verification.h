// The full decoding check of a media file: every packet of every stream decoded, as a player
// would, with the decoders' errors and where they happened. The one reading of a whole file.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/media_details.h"
#include "platform/unknown.h"

inline constexpr IID IID_IMediaVerifier = MakeGuid("{9E136886-8C7D-4F52-9FF1-20A02CA05A96}");

// The first errors of a stream that the check keeps; the rest are counted only.
inline constexpr size_t kKeptDecodeErrors = 10;

struct MediaDecodeError {
    std::optional<double> time;  // seconds in the stream's timeline: the packet being decoded
    std::string message;         // the decoder's words, or the failed call's error text
};

struct MediaStreamVerification {
    int index = 0;  // in the file
    MediaStreamKind kind = MediaStreamKind::Data;
    std::string codec;    // libavcodec's name of the codec ("h264"); empty when it knows none
    std::string decoder;  // the decoder used; empty: none is installed and nothing was decoded
    int64_t packets = 0;
    int64_t decodedFrames = 0;  // pictures, sound frames, subtitles
    int64_t errors = 0;
    std::vector<MediaDecodeError> firstErrors;  // at most kKeptDecodeErrors, in order
    int64_t timestampsBackwards = 0;            // packets whose decoding timestamp went back
};

struct MediaVerification {
    std::vector<MediaStreamVerification> streams;  // the video, audio and subtitle streams, in file order
    int64_t fileSize = 0;                          // bytes, when the check began
    int64_t bytesRead = 0;
    std::optional<double> statedDuration;  // seconds, as the container states it (not estimated)
    std::optional<double> reachedEnd;      // seconds from the start: where the last packet ended
    bool endedEarly = false;               // the packets end well before the stated duration
    std::string readError;                 // why the demuxer stopped before the end of the file
    // What the demuxer reported while reading (a lost sync, a damaged header); time: where the
    // packets had reached then. At most kKeptDecodeErrors kept, the rest counted.
    int64_t containerErrors = 0;
    std::vector<MediaDecodeError> firstContainerErrors;
    bool cancelled = false;                // the cancellation flag stopped the check
    std::string refusedFormat;             // after VFW_E_UNSUPPORTED_STREAM, the refused demuxer
};

// How the check reports its progress; called on the checking thread, at most every 50 ms.
struct IVerifyProgress {
    virtual void Progress(int64_t bytesRead, int64_t totalBytes) = 0;

protected:
    ~IVerifyProgress() = default;
};

struct IMediaVerifier : IUnknown {
    static constexpr const IID& iid = IID_IMediaVerifier;

    // Decodes every packet of every video, audio and subtitle stream of the file with the
    // decoders' own threads, until the file ends or *cancel (checked between packets and by every
    // read) becomes true, and fills the result with what was checked so far. Fails as the media
    // detector's put_Filename does when the file cannot be opened (the file's size is its size
    // when opened: a growing file is read that far). progress and cancel may be null. An object
    // serves one thread at a time.
    virtual HRESULT Verify(const std::string& path, IVerifyProgress* progress,
                           const std::atomic<bool>* cancel, MediaVerification* result) = 0;

protected:
    ~IMediaVerifier() = default;
};
