// What the reader and the page should give for a title, derived from lsdvd's report and, where
// lsdvd is silent or answers another question, from the title set's IFO bytes: the MPEG version,
// the SIF picture size, and the subpicture streams (the navigator reports the title set's, lsdvd
// only those the title's program chain marks available).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dvd/kx_dvd_info.h"
#include "tests/integration/dvd/dvd_test_volumes.h"

namespace lumora::testing {

// Checks a title record against lsdvd's title (gtest expectations).
void ExpectTitleMatchesLsdvd(const LsdvdTitle& expected, const TKx_DVD_TitleInfo& title,
                             const std::filesystem::path& videoTs);

// Checks that two readings found the same volume facts and titles, field by field; the disc id,
// which hashes the files' sizes, times and heads, is left out.
void ExpectSameReading(const TKxDVDInfo& expected, const TKxDVDInfo& actual);

// The lines lumora_info --dvd prints for a volume, built from lsdvd's report.
std::string ExpectedDvdOutput(const std::vector<LsdvdTitle>& titles, const std::filesystem::path& videoTs);

}  // namespace lumora::testing
