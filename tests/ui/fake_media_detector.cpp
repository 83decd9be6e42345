#include "fake_media_detector.h"

#include <cstring>

#include "platform/com_object.h"
#include "platform/media_uuids.h"

namespace {

template <class Block>
std::vector<uint8_t> BytesOf(const Block& block) {
    std::vector<uint8_t> bytes(sizeof block);
    std::memcpy(bytes.data(), &block, sizeof block);
    return bytes;
}

class FakeMediaDet : public ComObject<IMediaDet> {
public:
    explicit FakeMediaDet(std::shared_ptr<FakeMediaDetectorScript> script) : script_(std::move(script)) {}

    HRESULT put_Filename(const std::string& path) override {
        script_->openedPaths.push_back(path);
        const auto found = script_->files.find(path);
        if (found == script_->files.end() || !found->second.opens)
            return E_FAIL;
        file_ = &found->second;
        current_ = 0;
        return S_OK;
    }
    HRESULT get_OutputStreams(LONG* count) override {
        if (!count)
            return E_POINTER;
        if (!file_)
            return E_INVALIDARG;
        *count = static_cast<LONG>(file_->streams.size());
        return S_OK;
    }
    HRESULT put_CurrentStream(LONG index) override {
        if (!file_ || index < 0 || index >= static_cast<LONG>(file_->streams.size()))
            return E_INVALIDARG;
        current_ = static_cast<size_t>(index);
        return S_OK;
    }
    HRESULT get_StreamMediaType(AM_MEDIA_TYPE* mt) override {
        if (!mt)
            return E_POINTER;
        if (!file_)
            return E_INVALIDARG;
        const FakeStream& stream = file_->streams[current_];
        *mt = {};
        mt->majortype = stream.majortype;
        mt->subtype = stream.subtype;
        mt->formattype = stream.formattype;
        if (!stream.format.empty()) {
            mt->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(stream.format.size()));
            if (!mt->pbFormat)
                return E_OUTOFMEMORY;
            std::memcpy(mt->pbFormat, stream.format.data(), stream.format.size());
            mt->cbFormat = static_cast<ULONG>(stream.format.size());
        }
        return S_OK;
    }
    HRESULT get_StreamLength(double* seconds) override {
        if (!seconds)
            return E_POINTER;
        if (!file_)
            return E_INVALIDARG;
        *seconds = file_->streams[current_].length;
        return S_OK;
    }
    HRESULT get_FrameRate(double* fps) override {
        if (!fps)
            return E_POINTER;
        if (!file_)
            return E_INVALIDARG;
        const FakeStream& stream = file_->streams[current_];
        if (!IsEqualGUID(stream.majortype, MEDIATYPE_Video))
            return VFW_E_INVALIDMEDIATYPE;
        *fps = stream.frameRate;
        return S_OK;
    }

private:
    std::shared_ptr<FakeMediaDetectorScript> script_;
    const FakeFile* file_ = nullptr;
    size_t current_ = 0;
};

}  // namespace

FakeStream FakeVideoStream(int32_t width, int32_t height, const char (&fourcc)[5], uint32_t bitRate,
                           double frameRate, double length) {
    VIDEOINFOHEADER header{};
    header.dwBitRate = bitRate;
    header.AvgTimePerFrame = frameRate > 0 ? static_cast<REFERENCE_TIME>(10'000'000 / frameRate) : 0;
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = MakeFourCC(fourcc[0], fourcc[1], fourcc[2], fourcc[3]);
    return {MEDIATYPE_Video,  FourCCGuid(header.bmiHeader.biCompression),
            FORMAT_VideoInfo, BytesOf(header),
            length,           frameRate};
}

FakeStream FakeAudioStream(uint16_t formatTag, uint16_t channels, uint32_t sampleRate, uint16_t bitsPerSample,
                           uint32_t bytesPerSecond, double length) {
    WAVEFORMATEX wave{};
    wave.wFormatTag = formatTag;
    wave.nChannels = channels;
    wave.nSamplesPerSec = sampleRate;
    wave.nAvgBytesPerSec = bytesPerSecond;
    wave.nBlockAlign = static_cast<WORD>(channels * ((bitsPerSample + 7) / 8));
    wave.wBitsPerSample = bitsPerSample;
    return {MEDIATYPE_Audio, FourCCGuid(formatTag), FORMAT_WaveFormatEx, BytesOf(wave), length, 0};
}

ScopedFakeMediaDetector::ScopedFakeMediaDetector()
    : script_(std::make_shared<FakeMediaDetectorScript>()),
      override_(CLSID_MediaDet, [script = script_](const IID& iid, void** out) {
          return CreateComObject<FakeMediaDet>(iid, out, script);
      }) {}
