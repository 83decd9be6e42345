#include "app/verify_run.h"

#include "app/com_apartment.h"
#include "app/lumora_info/file_names.h"
#include "component/lumoram.h"

namespace {

// The check's progress as queued calls on the run, which drops them when it goes.
class QueuedProgress : public IVerifyProgress {
public:
    explicit QueuedProgress(TVerifyRun& run) : run_(run) {}
    void Progress(int64_t bytesRead, int64_t totalBytes) override {
        QMetaObject::invokeMethod(
            &run_, [run = &run_, bytesRead, totalBytes] { emit run->Progress(bytesRead, totalBytes); },
            Qt::QueuedConnection);
    }

private:
    TVerifyRun& run_;
};

}  // namespace

TVerifyRun::TVerifyRun(std::string path) : thread_([this, path = std::move(path)] { Run(path); }) {}

TVerifyRun::~TVerifyRun() {
    cancel_ = true;
    thread_.join();
}

void TVerifyRun::Run(const std::string& path) {
    std::shared_ptr<const MediaVerification> verification;
    QString failure;
    try {
        const ComApartment apartment;
        TKxLumora lumora;
        lumora.SetFileName(path);
        QueuedProgress progress(*this);
        const HRESULT checked = lumora.VerifyFile(&progress, &cancel_);
        const auto& result = lumora.Verification();
        if (SUCCEEDED(checked) && result)
            verification = std::make_shared<const MediaVerification>(*result);
        else
            failure = QString::fromStdString(FailureReason(checked, result ? result->refusedFormat : ""));
    } catch (...) {
        // Only memory can run out here.
        failure = QStringLiteral("недостаточно памяти");
    }
    QMetaObject::invokeMethod(
        this, [this, verification, failure] { emit Finished(verification, failure); }, Qt::QueuedConnection);
}
