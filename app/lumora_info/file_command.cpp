#include "app/lumora_info/file_command.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/file_names.h"
#include "app/lumora_info/file_walk.h"
#include "app/lumora_info/options.h"
#include "app/lumora_info/ordered_work.h"
#include "app/lumora_info/output.h"
#include "app/lumora_info/progress_bar.h"
#include "app/lumora_info/writer.h"
#include "component/lumoram.h"
#include "mediainfo/analyse_media_file.h"
#include "platform/com.h"
#include "platform/user_locale.h"

namespace {

// A thread's own component, initialised for that thread.
class FileAnalyser : public ItemWorker {
public:
    FileAnalyser(const ExpandedFiles& expanded, const std::string& separator, const Writer& writer)
        : files_(expanded.files), foundByWalk_(expanded.foundByWalk), writer_(writer) {
        CoInitialize(nullptr);
        lumora_.emplace();
        lumora_->SetDecimalSeparator(separator);
    }
    ~FileAnalyser() override {
        lumora_.reset();
        CoUninitialize();
    }

    ItemResult Work(size_t index) override {
        const std::string path(files_[index]);
        TKxLumora& lumora = *lumora_;
        lumora.SetFileName(path);
        lumora.ReadFileInfo();
        // The page's lines say nothing of the hardware: only the formats that show the details ask.
        if (writer_.name != DefaultWriter().name) lumora.ProbeHardwareDecoding();
        FileRecord record{path, lumora, std::nullopt};
        const std::string& marker = lumora.VideoMajorType();
        ItemResult result;
        // A file met in a folder that is gone by its turn is left out, as the walk leaves it out.
        result.gone = IsFailureMarker(marker) && foundByWalk_[index] &&
                      ErrnoFromHResult(lumora.FileFailureResult()) == ENOENT;
        if (result.gone) return result;
        if (IsFailureMarker(marker)) {
            const char* error = marker == kFileNotFoundMarker ? "not found" : "not a media file";
            record.failure =
                Failure{path, error, FailureReason(lumora.FileFailureResult(), lumora.FileFailureDetail())};
        }
        result.out = writer_.file(record);
        result.failed = record.failure.has_value();
        if (result.failed) result.error = *record.failure->reason;
        return result;
    }

private:
    const PathList& files_;
    const std::vector<bool>& foundByWalk_;
    const Writer& writer_;
    std::optional<TKxLumora> lumora_;
};

unsigned Cores() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0)
        return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
    return 1;
}

}  // namespace

int PrintFileInfo(const InfoOptions& options, Output& out) {
    const ExpandedFiles expanded = ExpandArguments(options.paths, {options.include, options.exclude});
    const PathList& files = expanded.files;
    const std::string separator = UserDecimalSeparator();
    const unsigned threads =
        std::min<size_t>(options.jobs != 0 ? options.jobs : Cores(), std::max<size_t>(files.Size(), 1));

    ProgressBar progress(files.Size(), options.progress);
    // The bar shares the terminal with standard output only when that is a terminal too.
    const bool outputOnTerminal = ::isatty(STDOUT_FILENO) == 1;
    bool anyFailed = expanded.unreadableFolder;
    OrderedWorkHooks hooks;
    hooks.makeWorker = [&] { return std::make_unique<FileAnalyser>(expanded, separator, *options.writer); };
    hooks.tick = [&](size_t finished) { progress.Update(finished); };
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
