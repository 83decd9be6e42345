#include "app/integrity_check.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/application.h"
#include "app/page_text/verify_report.h"
#include "app/verify_run.h"
#include "platform/user_locale.h"

namespace {

constexpr int kProgressSteps = 1000;

}  // namespace

TIntegrityCheck::TIntegrityCheck(QWidget* status, QHBoxLayout* row) : QObject(status) {
    Verdict = new QLabel(status);
    Verdict->setObjectName(QStringLiteral("Verdict"));
    Progress = new QProgressBar(status);
    Progress->setRange(0, kProgressSteps);
    btCancel = new QPushButton(QStringLiteral("Отмена"), status);
    btCancel->setAutoDefault(false);
    status->layout()->addWidget(Verdict);
    status->layout()->addWidget(Progress);
    status->layout()->addWidget(btCancel);
    btVerify = new QPushButton(QStringLiteral("Проверить целостность"), status->parentWidget());
    btVerify->setAutoDefault(false);
    row->insertWidget(row->indexOf(status) + 1, btVerify);
    ShowRunning(false);
    connect(btVerify, &QPushButton::clicked, this, [this] { RunHandled([this] { Start(); }); });
    connect(btCancel, &QPushButton::clicked, this, &TIntegrityCheck::Cancel);
}

TIntegrityCheck::~TIntegrityCheck() = default;

void TIntegrityCheck::SetFile(std::string path) {
    Stop();
    Verdict->clear();
    file_ = std::move(path);
    btVerify->setVisible(!file_.empty());
}

void TIntegrityCheck::Start() {
    if (file_.empty() || running_) return;
    run_.reset();
    Verdict->clear();
    Progress->setValue(0);
    run_ = std::make_unique<TVerifyRun>(file_);
    connect(run_.get(), &TVerifyRun::Progress, Progress, [this](qint64 read, qint64 total) {
        Progress->setValue(total > 0 ? static_cast<int>(read * kProgressSteps / total) : 0);
    });
    connect(run_.get(), &TVerifyRun::Finished, this, &TIntegrityCheck::Finish);
    ShowRunning(true);
}

void TIntegrityCheck::Cancel() {
    if (!running_) return;
    run_->Cancel();
    btCancel->setEnabled(false);
}

void TIntegrityCheck::Stop() {
    run_.reset();
    ShowRunning(false);
}

void TIntegrityCheck::ShowRunning(bool running) {
    running_ = running;
    btVerify->setEnabled(!running);
    Progress->setVisible(running);
    btCancel->setVisible(running);
    btCancel->setEnabled(running);
    Verdict->setVisible(!running);
}

void TIntegrityCheck::Finish(const std::shared_ptr<const MediaVerification>& verification,
                             const QString& failure) {
    ShowRunning(false);
    if (!verification) {
        Verdict->setText(QStringLiteral("Проверка не выполнена: ") + failure);
        return;
    }
    Verdict->setText(QString::fromUtf8(kIntegritySection) + QStringLiteral(": ") +
                     QString::fromStdString(VerifyVerdict(*verification)));
    emit Checked({kIntegritySection, {}, VerifyReport(*verification, UserDecimalSeparator(), false)});
}
