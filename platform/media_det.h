// The media detector: opens one file and describes its streams.
#pragma once

#include <string>

#include "platform/class_ids.h"
#include "platform/media_types.h"
#include "platform/unknown.h"

inline constexpr IID IID_IMediaDet = MakeGuid("{65BD0710-24D2-4FF7-9324-ED2E5D3ABAFA}");

struct IMediaDet : IUnknown {
    static constexpr const IID& iid = IID_IMediaDet;

    // Opens the file (UTF-8 path); E_FAIL when it cannot be opened or is no media file.
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
