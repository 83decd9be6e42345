#include "app/lumora_info/verify_command.h"

#include <atomic>
#include <memory>

#include "app/lumora_info/component_worker.h"
#include "app/lumora_info/file_names.h"
#include "app/lumora_info/json_text.h"
#include "app/lumora_info/options.h"
#include "app/lumora_info/per_file_run.h"
#include "app/lumora_info/verify_json.h"
#include "app/lumora_info/writer.h"
#include "app/page_text/verify_report.h"
#include "mediainfo/verify_media_file.h"
#include "platform/user_locale.h"

namespace {

// The check's bytes added to the count that every thread shares, as they are read.
class SharedProgress : public IVerifyProgress {
public:
    explicit SharedProgress(std::atomic<size_t>& done) : done_(done) {}
    void Progress(int64_t bytesRead, int64_t) override {
        const auto read = static_cast<size_t>(bytesRead);
        if (read > reported_) done_ += read - reported_;
        reported_ = read;
    }

private:
    std::atomic<size_t>& done_;
    size_t reported_ = 0;
};

// "1 decoding error", "3 decoding errors".
std::string Counted(int64_t count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// What went wrong, in one line for standard error.
std::string Problems(const MediaVerification& verification) {
    int64_t errors = 0;
    std::string text;
    for (const MediaStreamVerification& stream : verification.streams) {
        errors += stream.errors;
        if (stream.decoder.empty()) text += ", stream " + std::to_string(stream.index) + " has no decoder";
        if (stream.timestampsBackwards > 0)
            text += ", timestamps go back in stream " + std::to_string(stream.index);
    }
    if (errors > 0) text = ", " + Counted(errors, "decoding error") + text;
    if (verification.endedEarly) text += ", ends before its stated duration";
    if (verification.containerErrors > 0)
        text += ", " + Counted(verification.containerErrors, "container error");
    if (!verification.readError.empty()) text += ", reading stopped: " + verification.readError;
    return text.empty() ? "not checked to the end" : text.substr(2);
}

std::string Written(const Writer& writer, const std::string& path, const MediaVerification& verification,
                    const std::string& separator) {
    if (writer.name == "json") {
        Json object = JsonObject();
        PutPath(object, path);
        object["ok"] = true;
        object["error"] = nullptr;
        object["reason"] = nullptr;
        object["verify"] = VerificationJson(verification);
        return JsonLine(object);
    }
    if (writer.name == DefaultWriter().name && VerificationClean(verification)) return "ok\n";
    return ReportText(VerifyReport(verification, separator, writer.name == DefaultWriter().name));
}

class FileVerifier : public ComponentWorker {
public:
    FileVerifier(const ExpandedFiles& expanded, const std::string& separator, const Writer& writer,
                 std::atomic<size_t>& bytesDone)
        : ComponentWorker(expanded, separator),
          separator_(separator),
          writer_(writer),
          bytesDone_(bytesDone) {}

    ItemResult Work(size_t index) override {
        const std::string path = Path(index);
        TKxLumora& lumora = Lumora();
        lumora.SetFileName(path);
        SharedProgress progress(bytesDone_);
        const HRESULT checked = lumora.VerifyFile(&progress, nullptr);
        ItemResult result;
        result.gone = Gone(index, checked);
        if (result.gone) return result;
        const auto& verification = lumora.Verification();
        if (FAILED(checked) || !verification) {
            const std::string reason =
                FailureReason(checked, verification ? verification->refusedFormat : std::string());
            result.out = writer_.failure(
                {path, ErrnoFromHResult(checked) == ENOENT ? "not found" : "not checked", reason});
            result.failed = true;
            result.error = reason;
            return result;
        }
        result.out = Written(writer_, path, *verification, separator_);
        result.failed = !VerificationClean(*verification);
        if (result.failed) result.error = Problems(*verification);
        return result;
    }

private:
    const std::string& separator_;
    const Writer& writer_;
    std::atomic<size_t>& bytesDone_;
};

}  // namespace

int PrintVerification(const InfoOptions& options, Output& out) {
    const std::string separator = UserDecimalSeparator();
    std::atomic<size_t> bytesDone = 0;
    return RunPerFile(options, out,
                      {[&](const ExpandedFiles& expanded) {
                           return std::make_unique<FileVerifier>(expanded, separator, *options.writer,
                                                                 bytesDone);
                       },
                       ProgressUnit::Bytes, [&] { return bytesDone.load(); }});
}
