// lumora_info --verify FILE|FOLDER...: the full decoding check of each file.
#pragma once

class Output;
struct InfoOptions;

// For each file (folders walked), in the options' format: "ok" or what went wrong (text), the
// check's report (full), or the file's object with its "verify" object (json); a file that cannot
// be read or has errors also gets a line on standard error. The progress bar counts bytes.
// Returns the exit status: 1 when any file could not be read or has errors.
int PrintVerification(const InfoOptions& options, Output& out);
