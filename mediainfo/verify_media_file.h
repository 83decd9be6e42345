// The full decoding check of a media file through the platform's verifier.
#pragma once

#include <atomic>
#include <string>

#include "platform/media_verification.h"

// Decodes the whole file into result (see IMediaVerifier::Verify); REGDB_E_CLASSNOTREG when the
// platform has no verifier.
HRESULT VerifyMediaFile(const std::string& path, IVerifyProgress* progress, const std::atomic<bool>* cancel,
                        MediaVerification& result);

// Whether the check found nothing wrong: it ran to the end, every stream has a decoder and
// decoded without an error, timestamps never went back, and the file does not end early.
bool VerificationClean(const MediaVerification& verification);

// Whether one stream of the check has something to report.
bool StreamHasProblems(const MediaStreamVerification& stream);
