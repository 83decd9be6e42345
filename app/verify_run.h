// The full decoding check of one file on a thread of its own, with a component and platform
// objects of that thread's own; its progress and its end reach the UI thread as signals. Destroying
// the run cancels the check and waits for its thread; what the run had not delivered by then is
// dropped with it.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "platform/media_verification.h"

class TVerifyRun : public QObject {
    Q_OBJECT

public:
    // Starts the check at once.
    explicit TVerifyRun(std::string path);
    ~TVerifyRun() override;
    TVerifyRun(const TVerifyRun&) = delete;
    TVerifyRun& operator=(const TVerifyRun&) = delete;

    // The check stops soon; Finished then reports what it had checked.
    void Cancel() { cancel_ = true; }

signals:
    void Progress(qint64 bytesRead, qint64 totalBytes);
    // The check's result; null, with the reason, when the file could not be checked.
    void Finished(std::shared_ptr<const MediaVerification> verification, const QString& failure);

private:
    void Run(const std::string& path);

    std::atomic<bool> cancel_ = false;
    std::thread thread_;  // last: it starts once the rest is there
};
