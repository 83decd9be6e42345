// What every command over files shares: the arguments expanded, the files worked on over -j
// threads, each file's text written in order after the writer's header, the progress bar, the
// failures' lines on standard error and the exit status.
#pragma once

#include <functional>
#include <memory>

#include "app/lumora_info/file_walk.h"
#include "app/lumora_info/ordered_work.h"
#include "app/lumora_info/progress_bar.h"

class Output;
struct InfoOptions;

struct PerFileCommand {
    // The worker of one thread; its ItemResult's error is the reason a failed file gets on
    // standard error, and a file met in a folder that is gone by its turn is left out.
    std::function<std::unique_ptr<ItemWorker>(const ExpandedFiles& expanded)> makeWorker;
    // What the progress bar counts: finished files, or the bytes that bytesDone reports of all
    // the files' sizes.
    ProgressUnit unit = ProgressUnit::Files;
    std::function<size_t()> bytesDone;
};

// Returns the exit status: 1 when any file failed, a folder could not be read or the output could
// not be written.
int RunPerFile(const InfoOptions& options, Output& out, const PerFileCommand& command);
