#include "app/open_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <stdexcept>

#include "app/file_dialog_answer.h"

TOpenDialog::TOpenDialog(std::vector<TFileFilter> filters) : filters_(std::move(filters)) {
    if (filters_.empty()) throw std::invalid_argument("an open dialog needs a filter");
}

TOpenDialog::TOpenDialog(QString filterName, QStringList patterns)
    : TOpenDialog(std::vector<TFileFilter>{{std::move(filterName), std::move(patterns)}}) {}

QStringList TOpenDialog::NameFilters() const { return ::NameFilters(filters_); }

bool TOpenDialog::Execute(QWidget* parent) {
    const std::optional<QString> chosen =
        chooser_ ? chooser_(parent, *this) : ShowPlatformOpenDialog(parent, *this);
    if (!chosen || chosen->isEmpty()) return false;
    displayFileName_ = *chosen;
    fileName_ = QFile::encodeName(*chosen).toStdString();
    return true;
}

void TOpenDialog::SetChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

void ConfigureFileDialog(QFileDialog& fileDialog, const TOpenDialog& dialog) {
    fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
    fileDialog.setFileMode(QFileDialog::ExistingFile);
    fileDialog.setOption(QFileDialog::HideNameFilterDetails);
    fileDialog.setNameFilters(dialog.NameFilters());
    fileDialog.selectNameFilter(dialog.Filters().front().NameFilter());
    if (!dialog.DisplayFileName().isEmpty()) fileDialog.selectFile(dialog.DisplayFileName());
}

std::optional<QString> ShowPlatformOpenDialog(QWidget* parent, const TOpenDialog& dialog) {
    QFileDialog fileDialog(parent);
    ConfigureFileDialog(fileDialog, dialog);
    return FileDialogAnswer(fileDialog);
}
