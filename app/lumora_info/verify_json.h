// The "verify" object of a file's JSON: the full decoding check, typed.
#pragma once

#include "app/lumora_info/json_text.h"
#include "platform/media_verification.h"

Json VerificationJson(const MediaVerification& verification);
