// Why a command could not do its work: one record for every mode and every output format.
#pragma once

#include <optional>
#include <string>

class Output;
struct Writer;

struct Failure {
    std::optional<std::string> path;    // the file or volume; none for the catalogue
    std::string error;                  // "not found", "not a DVD-Video volume", the catalogue's message …
    std::optional<std::string> reason;  // why, when more is known than the error says (a file's)
};

// "lumora_info: PATH: REASON" on standard error: the error when there is no reason, no PATH
// when there is none.
void ReportFailure(const Failure& failure);

// The writer's form of the failure on standard output, then its line on standard error; the exit
// status.
int EndWithFailure(const Writer& writer, const Failure& failure, Output& out);
