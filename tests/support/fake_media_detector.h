// A scripted media detector for tests: installed in the class registry for one scope, it
// answers from a script and logs the calls it gets.
#pragma once

#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/media_det.h"
#include "platform/media_details.h"
#include "platform/media_uuids.h"

namespace lumora::testing {

struct FakeStream {
    GUID majortype = MEDIATYPE_Video;
    GUID subtype = GUID_NULL;
    GUID formattype = GUID_NULL;
    std::vector<unsigned char> block;  // the format block; empty for none
    HRESULT selectResult = S_OK;
    HRESULT mediaTypeResult = S_OK;
    HRESULT lengthResult = S_OK;
    double length = 0;
    HRESULT rateResult = S_OK;
    double rate = 0;
    bool throwOnLength = false;
    bool throwOnRate = false;
};

struct FakeMediaScript {
    HRESULT createResult = S_OK;
    HRESULT openResult = S_OK;
    std::string failureDetail;  // what GetFailureDetail gives
    HRESULT countResult = S_OK;
    int countOverride = -1;  // reported instead of streams.size() when not -1
    std::vector<FakeStream> streams;
    std::optional<MediaDetails> details;  // what GetDetails gives; E_INVALIDARG without
    std::function<void()> onOpen;         // called as put_Filename is

    // What happened, for the test to check.
    std::vector<std::string> calls;
    int liveDetectors = 0;
    int liveMediaTypeObjects = 0;  // objects handed out in pUnk and not yet released
};

class FakeMediaTypeObject : public ComObject<IUnknown> {
public:
    explicit FakeMediaTypeObject(FakeMediaScript& script) : script_(script) {
        ++script_.liveMediaTypeObjects;
    }
    ~FakeMediaTypeObject() override { --script_.liveMediaTypeObjects; }

private:
    FakeMediaScript& script_;
};

class FakeMediaDetector : public ComObject<IMediaDet, IMediaDetFailure, IMediaDetails> {
public:
    explicit FakeMediaDetector(FakeMediaScript& script) : script_(script) { ++script_.liveDetectors; }
    ~FakeMediaDetector() override { --script_.liveDetectors; }

    HRESULT put_Filename(const std::string& path) override {
        Log("put_Filename " + path);
        if (script_.onOpen) script_.onOpen();
        return script_.openResult;
    }
    HRESULT GetFailureDetail(std::string* detail) override {
        *detail = script_.failureDetail;
        return S_OK;
    }
    HRESULT GetDetails(MediaDetails* details) override {
        if (!script_.details) return E_INVALIDARG;
        *details = *script_.details;
        return S_OK;
    }
    HRESULT get_OutputStreams(LONG* count) override {
        Log("get_OutputStreams");
        *count =
            script_.countOverride != -1 ? script_.countOverride : static_cast<LONG>(script_.streams.size());
        return script_.countResult;
    }
    HRESULT put_CurrentStream(LONG index) override {
        Log("put_CurrentStream " + std::to_string(index));
        if (index < 0 || static_cast<size_t>(index) >= script_.streams.size()) return E_INVALIDARG;
        current_ = static_cast<size_t>(index);
        return Stream().selectResult;
    }
    HRESULT get_StreamMediaType(AM_MEDIA_TYPE* mt) override {
        Log("get_StreamMediaType");
        const FakeStream& stream = Stream();
        if (FAILED(stream.mediaTypeResult)) return stream.mediaTypeResult;
        *mt = {};
        mt->majortype = stream.majortype;
        mt->subtype = stream.subtype;
        mt->formattype = stream.formattype;
        if (!stream.block.empty()) {
            mt->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(stream.block.size()));
            std::memcpy(mt->pbFormat, stream.block.data(), stream.block.size());
            mt->cbFormat = static_cast<ULONG>(stream.block.size());
        }
        mt->pUnk = new FakeMediaTypeObject(script_);
        return S_OK;
    }
    HRESULT get_StreamLength(double* seconds) override {
        Log("get_StreamLength");
        const FakeStream& stream = Stream();
        if (stream.throwOnLength) throw std::runtime_error("detector failure");
        if (SUCCEEDED(stream.lengthResult)) *seconds = stream.length;
        return stream.lengthResult;
    }
    HRESULT get_FrameRate(double* fps) override {
        Log("get_FrameRate");
        const FakeStream& stream = Stream();
        if (stream.throwOnRate) throw std::runtime_error("detector failure");
        if (SUCCEEDED(stream.rateResult)) *fps = stream.rate;
        return stream.rateResult;
    }

private:
    void Log(std::string call) { script_.calls.push_back(std::move(call)); }
    const FakeStream& Stream() const { return script_.streams.at(current_); }

    FakeMediaScript& script_;
    size_t current_ = 0;
};

// Installs the scripted detector as CLSID_MediaDet while it lives.
class ScopedFakeMediaDetector {
public:
    explicit ScopedFakeMediaDetector(FakeMediaScript& script)
        : override_(CLSID_MediaDet, [&script](const IID& iid, void** out) {
              if (FAILED(script.createResult)) {
                  *out = nullptr;
                  return script.createResult;
              }
              return CreateComObject<FakeMediaDetector>(iid, out, script);
          }) {}

private:
    ScopedClassOverride override_;
};

template <class Block>
std::vector<unsigned char> Bytes(const Block& block) {
    std::vector<unsigned char> bytes(sizeof block);
    std::memcpy(bytes.data(), &block, sizeof block);
    return bytes;
}

inline BITMAPINFOHEADER Bitmap(LONG width, LONG height, DWORD compression) {
    BITMAPINFOHEADER bmi{};
    bmi.biSize = sizeof bmi;
    bmi.biWidth = width;
    bmi.biHeight = height;
    bmi.biCompression = compression;
    return bmi;
}

inline FakeStream VideoInfoStream(LONG width, LONG height, DWORD compression, DWORD bitRate = 0) {
    VIDEOINFOHEADER header{};
    header.dwBitRate = bitRate;
    header.bmiHeader = Bitmap(width, height, compression);
    FakeStream stream;
    stream.subtype = FourCCGuid(compression);
    stream.formattype = FORMAT_VideoInfo;
    stream.block = Bytes(header);
    return stream;
}

inline FakeStream VideoInfo2Stream(LONG width, LONG height, DWORD compression, DWORD aspectX, DWORD aspectY,
                                   DWORD bitRate = 0) {
    VIDEOINFOHEADER2 header{};
    header.dwBitRate = bitRate;
    header.dwPictAspectRatioX = aspectX;
    header.dwPictAspectRatioY = aspectY;
    header.bmiHeader = Bitmap(width, height, compression);
    FakeStream stream;
    stream.subtype = FourCCGuid(compression);
    stream.formattype = FORMAT_VideoInfo2;
    stream.block = Bytes(header);
    return stream;
}

inline FakeStream Mpeg1Stream(LONG width, LONG height, DWORD compression, DWORD bitRate = 0) {
    MPEG1VIDEOINFO info{};
    info.hdr.dwBitRate = bitRate;
    info.hdr.bmiHeader = Bitmap(width, height, compression);
    FakeStream stream;
    stream.subtype = MEDIASUBTYPE_MPEG1Payload;
    stream.formattype = FORMAT_MPEGVideo;
    stream.block = Bytes(info);
    return stream;
}

inline FakeStream Mpeg2Stream(LONG width, LONG height, DWORD compression, DWORD bitRate = 0,
                              DWORD aspectX = 0, DWORD aspectY = 0) {
    MPEG2VIDEOINFO info{};
    info.hdr.dwBitRate = bitRate;
    info.hdr.dwPictAspectRatioX = aspectX;
    info.hdr.dwPictAspectRatioY = aspectY;
    info.hdr.bmiHeader = Bitmap(width, height, compression);
    FakeStream stream;
    stream.subtype = MEDIASUBTYPE_MPEG2_VIDEO;
    stream.formattype = FORMAT_MPEG2Video;
    stream.block = Bytes(info);
    return stream;
}

inline FakeStream WaveStream(WORD tag, WORD channels, DWORD samplesPerSec, WORD bitsPerSample,
                             DWORD avgBytesPerSec = 0) {
    WAVEFORMATEX wave{};
    wave.wFormatTag = tag;
    wave.nChannels = channels;
    wave.nSamplesPerSec = samplesPerSec;
    wave.wBitsPerSample = bitsPerSample;
    wave.nAvgBytesPerSec = avgBytesPerSec;
    FakeStream stream;
    stream.majortype = MEDIATYPE_Audio;
    stream.subtype = FourCCGuid(tag);
    stream.formattype = FORMAT_WaveFormatEx;
    stream.block = Bytes(wave);
    return stream;
}

}  // namespace lumora::testing
