// The full decoding check of a file as a report, shared by lumora_info --verify and the details
// window.
#pragma once

#include <string>

#include "app/page_text/report.h"
#include "platform/media_verification.h"

// "Проверка" (the verdict, what was read, where the file ends against its stated length, why the
// reading stopped), then "Поток #N (codec)" for each decoded stream: its decoder, packets, frames,
// errors with the first of them and their times, timestamps that went back. With problemsOnly,
// only the streams that have something to report. Numbers use the separator.
Report VerifyReport(const MediaVerification& verification, const std::string& separator, bool problemsOnly);

// The check's verdict in a few words: "без ошибок", "найдены ошибки", "прервана, проверено не всё".
std::string VerifyVerdict(const MediaVerification& verification);
