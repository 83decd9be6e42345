#include "app/lumora_info/file_command.h"

#include <memory>

#include "app/lumora_info/analysed_file.h"
#include "app/lumora_info/component_worker.h"
#include "app/lumora_info/options.h"
#include "app/lumora_info/per_file_run.h"
#include "app/lumora_info/writer.h"
#include "platform/user_locale.h"

namespace {

class FileAnalyser : public ComponentWorker {
public:
    FileAnalyser(const ExpandedFiles& expanded, const std::string& separator, const Writer& writer)
        : ComponentWorker(expanded, separator), writer_(writer) {}

    ItemResult Work(size_t index) override {
        const std::string path = Path(index);
        TKxLumora& lumora = Lumora();
        lumora.SetFileName(path);
        lumora.ReadFileInfo();
        // The page's lines say nothing of the hardware: only the formats that show the details ask.
        if (writer_.name != DefaultWriter().name) lumora.ProbeHardwareDecoding();
        const FileRecord record = AnalysedFileRecord(path, lumora);
        ItemResult result;
        result.gone = record.failure && Gone(index, lumora.FileFailureResult());
        if (result.gone) return result;
        result.out = writer_.file(record);
        result.failed = record.failure.has_value();
        if (result.failed) result.error = *record.failure->reason;
        return result;
    }

private:
    const Writer& writer_;
};

}  // namespace

int PrintFileInfo(const InfoOptions& options, Output& out) {
    const std::string separator = UserDecimalSeparator();
    return RunPerFile(options, out,
                      {[&](const ExpandedFiles& expanded) {
                           return std::make_unique<FileAnalyser>(expanded, separator, *options.writer);
                       },
                       ProgressUnit::Files,
                       {}});
}
