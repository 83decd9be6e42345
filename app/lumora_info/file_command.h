// lumora_info FILE|FOLDER...: what the file page shows for each file.
#pragma once

class Output;
struct InfoOptions;

// For each file (folders walked), its record handed to the options' writer, after the writer's
// header for it; a failed file also gets a line on standard error. Each file is written as soon
// as it and every file before it is done. Returns the exit status.
int PrintFileInfo(const InfoOptions& options, Output& out);
