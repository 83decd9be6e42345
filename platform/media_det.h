// The media detector: opens one file and describes its streams.
#pragma once

#include <string>

#include "platform/class_ids.h"
#include "platform/media_types.h"
#include "platform/unknown.h"

inline constexpr IID IID_IMediaDet = MakeGuid("{65BD0710-24D2-4FF7-9324-ED2E5D3ABAFA}");
inline constexpr IID IID_IMediaDetFailure = MakeGuid("{0B1E4C7A-53D2-4F0E-9A47-6C1D2E8F3B15}");

struct IMediaDet : IUnknown {
    static constexpr const IID& iid = IID_IMediaDet;

    // Opens the file (UTF-8 path). Fails with HResultFromErrno when the system cannot open it,
    // E_NOT_REGULAR_FILE for anything but a regular file, VFW_E_TIMEOUT when opening and probing
    // passed their deadline, VFW_E_UNSUPPORTED_STREAM when a demuxer that is not allowed (one that
    // opens other files or the network) recognised it, VFW_E_UNKNOWN_FILE_TYPE when no demuxer
    // accepts it.
    virtual HRESULT put_Filename(const std::string& path) = 0;
    // Number of video, audio and subtitle streams; E_INVALIDARG before a file is open.
    virtual HRESULT get_OutputStreams(LONG* count) = 0;
    // E_INVALIDARG outside 0 .. count − 1; the current stream is then unchanged.
    virtual HRESULT put_CurrentStream(LONG index) = 0;
    // Fills the caller's structure; the format block belongs to the caller (FreeMediaType).
    virtual HRESULT get_StreamMediaType(AM_MEDIA_TYPE* mt) = 0;
    // Length of the current stream in seconds.
    virtual HRESULT get_StreamLength(double* seconds) = 0;
    // Frames per second of the current stream; VFW_E_INVALIDMEDIATYPE when it is not video,
    // S_FALSE with 0 when no rate is known.
    virtual HRESULT get_FrameRate(double* fps) = 0;

protected:
    ~IMediaDet() = default;
};

// What the media detector knows of its last put_Filename's failure beyond the result code.
struct IMediaDetFailure : IUnknown {
    static constexpr const IID& iid = IID_IMediaDetFailure;

    // After VFW_E_UNSUPPORTED_STREAM the refused demuxer's short name ("hls"); empty otherwise.
    virtual HRESULT GetFailureDetail(std::string* detail) = 0;

protected:
    ~IMediaDetFailure() = default;
};
