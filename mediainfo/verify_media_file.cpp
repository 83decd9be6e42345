#include "mediainfo/verify_media_file.h"

#include <algorithm>

#include "platform/class_ids.h"
#include "platform/com.h"

HRESULT VerifyMediaFile(const std::string& path, IVerifyProgress* progress, const std::atomic<bool>* cancel,
                        MediaVerification& result) {
    ComPtr<IMediaVerifier> verifier;
    if (const HRESULT created = CoCreateInstance(CLSID_MediaVerifier, verifier); FAILED(created))
        return created;
    return verifier->Verify(path, progress, cancel, &result);
}

bool StreamHasProblems(const MediaStreamVerification& stream) {
    return stream.decoder.empty() || stream.errors > 0 || stream.timestampsBackwards > 0;
}

bool VerificationClean(const MediaVerification& verification) {
    return !verification.cancelled && !verification.endedEarly && verification.readError.empty() &&
           verification.containerErrors == 0 &&
           std::none_of(verification.streams.begin(), verification.streams.end(), StreamHasProblems);
}
