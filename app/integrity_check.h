// "Проверить целостность" in the details window: the full decoding check of the window's file off
// the UI thread. While it runs, the status area shows its progress by bytes read and "Отмена"; when
// it ends, a one-line verdict, and the window gets the check's report as a section of its own.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "app/page_text/report.h"
#include "platform/media_verification.h"

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class TVerifyRun;

// The title of the section that Checked delivers.
inline constexpr char kIntegritySection[] = "Проверка целостности";

class TIntegrityCheck : public QObject {
    Q_OBJECT

public:
    // The button joins row after status; the progress, "Отмена" and the verdict go in status.
    TIntegrityCheck(QWidget* status, QHBoxLayout* row);
    ~TIntegrityCheck() override;

    // The file the button checks; empty: none, the button hidden. Stops a check that runs and
    // clears the verdict.
    void SetFile(std::string path);
    void Start();
    // The check stops within moments and reports what it had checked.
    void Cancel();
    // Cancels a check that runs and waits for its thread; nothing more of it is shown.
    void Stop();
    bool Running() const { return running_; }

    QPushButton* btVerify = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* btCancel = nullptr;
    QLabel* Verdict = nullptr;

signals:
    // The check's report under kIntegritySection, once it has ended.
    void Checked(const ReportSection& section);

private:
    void ShowRunning(bool running);
    void Finish(const std::shared_ptr<const MediaVerification>& verification, const QString& failure);

    std::string file_;
    std::unique_ptr<TVerifyRun> run_;  // kept after it ends, until the next check or Stop
    bool running_ = false;
};
