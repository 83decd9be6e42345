// Sample media made once per test run with the ffmpeg tool.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lumora::testing {

struct Sample {
    std::string name;       // file name, its extension chosen for the container
    std::string arguments;  // ffmpeg arguments before the output file
    // Then every `from` in the file's headers becomes `to` (same length): for codes that
    // ffmpeg refuses to write.
    std::string from = {};
    std::string to = {};
    std::string input = {};  // written to a file that "{input}" in the arguments names
};

// The sample's name in test output, and as a test's name (letters and digits only).
void PrintTo(const Sample& sample, std::ostream* out);
std::string TestNameOf(const Sample& sample);

// Every sample the integration tests use.
const std::vector<Sample>& AllSamples();

// A sample made (once; kept in the build tree) with ffmpeg; empty when ffmpeg failed.
std::string MadeSample(const Sample& sample);

// Full path of a sample; made on first use. Empty when ffmpeg is missing or failed (the
// calling test is skipped then).
std::string SamplePath(const std::string& name);

}  // namespace lumora::testing
