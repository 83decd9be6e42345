#include "app/details_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>
#include <utility>

#include "app/application.h"
#include "app/details_window.h"
#include "app/lumora_demo_unit.h"
#include "app/report_view.h"

namespace {

const char kHint[] = "Двойной щелчок или Ctrl+I — подробные сведения";
const char kShowCaption[] = "Подробно…";
const char kCopyCaption[] = "Копировать всё";

// The name the DVD report gives the section of the title selected in the list: "Заголовок N", N
// counted from 1; empty when none is selected.
QString SelectedTitleSection(const QListWidget& titles) {
    const QList<QListWidgetItem*> selected = titles.selectedItems();
    return selected.isEmpty() ? QString()
                              : QStringLiteral("Заголовок %1").arg(titles.row(selected.first()) + 1);
}

}  // namespace

TDetailsCommands::TDetailsCommands(TForm1& form) : QObject(&form), form_(form) {
    WireList(form.list, &TDetailsCommands::ShowFileDetails, true);
    WireList(form.lbTitles, &TDetailsCommands::ShowDvdDetails, false);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), &form);
    connect(shortcut, &QShortcut::activated, this, [this] { RunHandled([this] { ShowPageDetails(); }); });
    form.installEventFilter(this);
    // The open window follows the title picked on the page.
    connect(form.lbTitles, &QListWidget::itemSelectionChanged, this, [this] {
        if (WindowOpen() && dvd_ && window_->Content() == dvd_.get())
            window_->Tree->RevealSection(SelectedTitleSection(*form_.lbTitles));
    });
}

void TDetailsCommands::WireList(QListWidget* box, void (TDetailsCommands::*show)(), bool file) {
    // On the viewport, where the pointer is: the list box itself carries no hint.
    box->viewport()->setToolTip(QString::fromUtf8(kHint));
    connect(box, &QAbstractItemView::doubleClicked, this,
            [this, show] { RunHandled([&] { (this->*show)(); }); });
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this,
            [this, box, file](const QPoint& at) { PopUpMenu(box, at, file); });
}

void TDetailsCommands::PopUpMenu(QListWidget* box, const QPoint& at, bool file) {
    auto* menu = new QMenu(box);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [this, menu](const char* caption, bool enabled, void (TDetailsCommands::*command)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this,
                [this, command] { RunHandled([&] { (this->*command)(); }); });
    };
    if (file) {
        const bool read = file_ || unbuiltFile_;
        add(kShowCaption, read, &TDetailsCommands::ShowFileDetails);
        add(kCopyCaption, read, &TDetailsCommands::CopyFileDetails);
    } else {
        add(kShowCaption, dvd_ != nullptr, &TDetailsCommands::ShowDvdDetails);
    }
    menu->popup(box->viewport()->mapToGlobal(at));
}

void TDetailsCommands::FileRead(TKxLumora& lumora) {
    file_.reset();
    unbuiltFile_ = lumora.Details() ? &lumora : nullptr;
    if (WindowOpen()) Refill(FileContent());
}

void TDetailsCommands::DvdRead(const TKxLumora& lumora) {
    dvd_ = DvdDetailsContent(lumora);
    if (WindowOpen()) Refill(dvd_);
}

const std::shared_ptr<const TDetailsContent>& TDetailsCommands::FileContent() {
    if (unbuiltFile_) file_ = FileDetailsContent(*std::exchange(unbuiltFile_, nullptr));
    return file_;
}

bool TDetailsCommands::WindowOpen() const { return window_ && window_->isVisible(); }

// An open window shows what was read last; a reading that left nothing to show closes it, since
// what it showed no longer belongs to what the page shows.
void TDetailsCommands::Refill(const std::shared_ptr<const TDetailsContent>& content) {
    if (content)
        window_->Fill(content);
    else
        window_->close();
}

void TDetailsCommands::Show(const std::shared_ptr<const TDetailsContent>& content, const QString& section) {
    if (!content) return;
    if (!window_) window_ = new TDetailsWindow(&form_);
    window_->ShowContent(content, section);
}

void TDetailsCommands::ShowFileDetails() { Show(FileContent(), {}); }

void TDetailsCommands::ShowDvdDetails() { Show(dvd_, SelectedTitleSection(*form_.lbTitles)); }

void TDetailsCommands::CopyFileDetails() {
    if (const auto& file = FileContent())
        QApplication::clipboard()->setText(QString::fromStdString(ReportText(file->report)));
}

void TDetailsCommands::ShowPageDetails() {
    if (form_.PageControl1->currentWidget() == form_.TabSheet1) ShowFileDetails();
    if (form_.PageControl1->currentWidget() == form_.TabSheet2) ShowDvdDetails();
}

bool TDetailsCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Close && window_) window_->close();
    return QObject::eventFilter(watched, event);
}
