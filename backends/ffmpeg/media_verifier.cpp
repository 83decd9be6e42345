#include "backends/ffmpeg/media_verifier.h"

#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/whole_file_check.h"
#include "platform/com_object.h"
#include "platform/media_verification.h"

namespace lumora::ffmpeg {
namespace {

class MediaVerifier : public ComObject<IMediaVerifier> {
public:
    HRESULT Verify(const std::string& path, IVerifyProgress* progress, const std::atomic<bool>* cancel,
                   MediaVerification* result) override {
        if (!result) return E_POINTER;
        *result = {};
        OpenFailure failure;
        const auto input = MediaInput::Open(path, failure);
        if (!input) {
            result->refusedFormat = failure.refusedFormat;
            return failure.result;
        }
        input->ReadWhole(cancel);
        *result = CheckWholeFile(*input, progress);
        return S_OK;
    }
};

}  // namespace

HRESULT CreateMediaVerifier(const IID& iid, void** out) { return CreateComObject<MediaVerifier>(iid, out); }

}  // namespace lumora::ffmpeg
