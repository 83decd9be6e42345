#include "app/details_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/atomic_save.h"
#include "app/integrity_check.h"
#include "app/report_view.h"

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 520;

QPushButton* MakeButton(const char* caption, QWidget* window, QHBoxLayout* row) {
    auto* button = new QPushButton(QString::fromUtf8(caption), window);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// The name offered for a saved report: the content's name with ".txt", a slash (possible in a
// volume's label) made harmless.
QString SavedName(const QString& name) {
    QString saved = name.isEmpty() ? QStringLiteral("lumora") : name;
    return saved.replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".txt");
}

}  // namespace

TDetailsWindow::TDetailsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      SaveDialog({{QStringLiteral("Текст"), {QStringLiteral("*.txt")}},
                  {QStringLiteral("JSON"), {QStringLiteral("*.json")}}}) {
    setObjectName(QStringLiteral("DetailsWindow"));
    if (owner) setFont(owner->font());
    Tree = new TReportView(this);
    Tree->setObjectName(QStringLiteral("Tree"));
    StatusArea = new QWidget(this);
    StatusArea->setObjectName(QStringLiteral("StatusArea"));
    auto* status = new QHBoxLayout(StatusArea);
    status->setContentsMargins(0, 0, 0, 0);
    ButtonRow = new QHBoxLayout;
    ButtonRow->addWidget(StatusArea, 1);
    btCopy = MakeButton("Копировать", this, ButtonRow);
    btSave = MakeButton("Сохранить…", this, ButtonRow);
    btClose = MakeButton("Закрыть", this, ButtonRow);
    Check = new TIntegrityCheck(StatusArea, ButtonRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tree, 1);
    layout->addLayout(ButtonRow);
    resize(kWidth, kHeight);

    connect(btCopy, &QPushButton::clicked, this, [this] { RunHandled([this] { CopyReport(); }); });
    connect(btSave, &QPushButton::clicked, this, [this] { RunHandled([this] { SaveReport(); }); });
    connect(btClose, &QPushButton::clicked, this, &QWidget::close);
    connect(Check, &TIntegrityCheck::Checked, this, &TDetailsWindow::ShowCheck);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void TDetailsWindow::ShowContent(std::shared_ptr<const TDetailsContent> content, const QString& section) {
    Fill(std::move(content));
    show();
    if (!section.isEmpty()) Tree->RevealSection(section);
    raise();
    activateWindow();
}

void TDetailsWindow::Fill(std::shared_ptr<const TDetailsContent> content) {
    content_ = std::move(content);
    if (!content_) return;
    check_.reset();
    Check->SetFile(content_->file);
    setWindowTitle(QStringLiteral("Подробные сведения — ") + content_->name);
    Tree->SetReport(content_->report);
}

Report TDetailsWindow::ShownReport() const {
    Report report = content_->report;
    if (check_) report.push_back(*check_);
    return report;
}

void TDetailsWindow::ShowCheck(const ReportSection& section) {
    check_ = section;
    Tree->SetReport(ShownReport());
    Tree->RevealSection(QString::fromUtf8(kIntegritySection));
}

void TDetailsWindow::CopyReport() const {
    if (content_) QApplication::clipboard()->setText(QString::fromStdString(ReportText(ShownReport())));
}

void TDetailsWindow::SaveReport() {
    if (!content_ || !SaveDialog.Execute(this, SavedName(content_->name))) return;
    const QString path = SaveDialog.FileName();
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    const std::string text = json ? content_->json : ReportText(ShownReport());
    if (const std::optional<QString> reason = SaveAtomically(path, QByteArray::fromStdString(text)))
        QMessageBox::critical(this, ApplicationTitle(),
                              QStringLiteral("Не удалось сохранить «%1»: %2").arg(path, *reason));
}

void TDetailsWindow::closeEvent(QCloseEvent* event) {
    Check->Stop();
    QWidget::closeEvent(event);
}
