#include "app/lumora_info/component_worker.h"

#include <cerrno>

#include "platform/com.h"

ComponentWorker::ComponentWorker(const ExpandedFiles& expanded, const std::string& separator)
    : files_(expanded.files), foundByWalk_(expanded.foundByWalk) {
    CoInitialize(nullptr);
    lumora_.emplace();
    lumora_->SetDecimalSeparator(separator);
}

ComponentWorker::~ComponentWorker() {
    lumora_.reset();
    CoUninitialize();
}

bool ComponentWorker::Gone(size_t index, HRESULT result) const {
    return FAILED(result) && foundByWalk_[index] && ErrnoFromHResult(result) == ENOENT;
}
