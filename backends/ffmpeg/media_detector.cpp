#include "backends/ffmpeg/media_detector.h"

#include <cstring>

#include "backends/ffmpeg/details_reader.h"
#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/stream_facts.h"
#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/media_det.h"
#include "platform/media_details.h"

namespace lumora::ffmpeg {
namespace {

// Everything is learnt in put_Filename and the file closed again; the queries answer from
// what was learnt.
class MediaDetector : public ComObject<IMediaDet, IMediaDetFailure, IMediaDetails> {
public:
    HRESULT put_Filename(const std::string& path) override {
        streams_.reset();
        details_.reset();
        current_ = 0;
        const auto input = MediaInput::Open(path, failure_);
        if (!input) return failure_.result;
        streams_ = DescribeStreams(*input->Format());
        details_ = ReadMediaDetails(*input);
        return S_OK;
    }

    HRESULT GetDetails(MediaDetails* details) override {
        if (!details) return E_POINTER;
        if (!details_) return E_INVALIDARG;
        *details = *details_;
        return S_OK;
    }

    HRESULT GetFailureDetail(std::string* detail) override {
        if (!detail) return E_POINTER;
        *detail = failure_.refusedFormat;
        return S_OK;
    }

    HRESULT get_OutputStreams(LONG* count) override {
        if (!count) return E_POINTER;
        if (!streams_) return E_INVALIDARG;
        *count = static_cast<LONG>(streams_->size());
        return S_OK;
    }

    HRESULT put_CurrentStream(LONG index) override {
        if (!streams_ || index < 0 || static_cast<size_t>(index) >= streams_->size()) return E_INVALIDARG;
        current_ = static_cast<size_t>(index);
        return S_OK;
    }

    HRESULT get_StreamMediaType(AM_MEDIA_TYPE* mt) override {
        if (!mt) return E_POINTER;
        const StreamFacts* stream = Current();
        if (!stream) return E_INVALIDARG;
        *mt = {};
        mt->majortype = stream->majortype;
        mt->subtype = stream->subtype;
        mt->formattype = stream->formattype;
        mt->bFixedSizeSamples = 1;
        if (!stream->format.empty()) {
            mt->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(stream->format.size()));
            if (!mt->pbFormat) return E_OUTOFMEMORY;
            std::memcpy(mt->pbFormat, stream->format.data(), stream->format.size());
            mt->cbFormat = static_cast<ULONG>(stream->format.size());
        }
        return S_OK;
    }

    HRESULT get_StreamLength(double* seconds) override {
        if (!seconds) return E_POINTER;
        const StreamFacts* stream = Current();
        if (!stream) return E_INVALIDARG;
        if (!stream->length) return E_FAIL;
        *seconds = *stream->length;
        return S_OK;
    }

    HRESULT get_FrameRate(double* fps) override {
        if (!fps) return E_POINTER;
        const StreamFacts* stream = Current();
        if (!stream) return E_INVALIDARG;
        *fps = stream->frameRate;
        return stream->frameRateResult;
    }

private:
    const StreamFacts* Current() const {
        if (!streams_ || current_ >= streams_->size()) return nullptr;
        return &(*streams_)[current_];
    }

    std::optional<std::vector<StreamFacts>> streams_;  // empty until a file is open
    std::optional<MediaDetails> details_;
    size_t current_ = 0;
    OpenFailure failure_;  // of the last put_Filename
};

}  // namespace

HRESULT CreateMediaDetector(const IID& iid, void** out) { return CreateComObject<MediaDetector>(iid, out); }

}  // namespace lumora::ffmpeg
