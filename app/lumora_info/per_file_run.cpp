#include "app/lumora_info/per_file_run.h"

#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/failure.h"
#include "app/lumora_info/options.h"
#include "app/lumora_info/output.h"
#include "app/lumora_info/writer.h"

namespace {

unsigned Cores() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0)
        return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
    return 1;
}

size_t TotalBytes(const PathList& files) {
    size_t total = 0;
    for (size_t i = 0; i < files.Size(); ++i) {
        struct stat status {};
        if (::stat(std::string(files[i]).c_str(), &status) == 0 && S_ISREG(status.st_mode))
            total += static_cast<size_t>(status.st_size);
    }
    return total;
}

}  // namespace

int RunPerFile(const InfoOptions& options, Output& out, const PerFileCommand& command) {
    const ExpandedFiles expanded = ExpandArguments(options.paths, {options.include, options.exclude});
    const PathList& files = expanded.files;
    const unsigned threads =
        std::min<size_t>(options.jobs != 0 ? options.jobs : Cores(), std::max<size_t>(files.Size(), 1));

    const bool bytes = command.unit == ProgressUnit::Bytes;
    ProgressBar progress(bytes ? TotalBytes(files) : files.Size(), options.progress, command.unit);
    // The bar shares the terminal with standard output only when that is a terminal too.
    const bool outputOnTerminal = ::isatty(STDOUT_FILENO) == 1;
    bool anyFailed = expanded.unreadableFolder;
    OrderedWorkHooks hooks;
    hooks.makeWorker = [&] { return command.makeWorker(expanded); };
    hooks.tick = [&](size_t finished) { progress.Update(bytes ? command.bytesDone() : finished); };
    size_t written = 0;  // files whose lines are out, for the blank line before a header
    hooks.deliver = [&](size_t index, ItemResult&& result) {
        if (result.gone) return true;
        if (outputOnTerminal) progress.Erase();
        out.Write(options.writer->fileHeader(written++, files.Size(), files[index]));
        out.Write(result.out);
        if (!out.Flush()) return false;
        if (result.failed) {
            anyFailed = true;
            progress.Erase();
            ReportFailure({std::string(files[index]), result.error, std::nullopt});
        }
        return true;
    };
    progress.Update(0);
    RunOrderedWork(files.Size(), threads, hooks);
    progress.Erase();
    if (!out.Finish()) return kExitFailed;
    return anyFailed ? kExitFailed : kExitOk;
}
