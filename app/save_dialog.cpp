#include "app/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <stdexcept>

#include "app/file_dialog_answer.h"

namespace {

// "txt" of the filter's pattern "*.txt".
QString Suffix(const TFileFilter& filter) { return filter.patterns.value(0).section(QLatin1Char('.'), 1); }

}  // namespace

TSaveDialog::TSaveDialog(std::vector<TFileFilter> filters) : filters_(std::move(filters)) {
    if (filters_.empty()) throw std::invalid_argument("a save dialog needs a filter");
}

bool TSaveDialog::Execute(QWidget* parent, const QString& name) {
    offeredPath_ = QDir(folder_.isEmpty() ? QDir::homePath() : folder_).filePath(name);
    const std::optional<QString> chosen =
        chooser_ ? chooser_(parent, *this) : ShowPlatformSaveDialog(parent, *this);
    if (!chosen || chosen->isEmpty()) return false;
    fileName_ = *chosen;
    folder_ = QFileInfo(fileName_).absolutePath();
    return true;
}

void TSaveDialog::SetChooser(SaveChooser chooser) { chooser_ = std::move(chooser); }

void ConfigureSaveDialog(QFileDialog& fileDialog, const TSaveDialog& dialog) {
    const std::vector<TFileFilter>& filters = dialog.Filters();
    fileDialog.setAcceptMode(QFileDialog::AcceptSave);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setNameFilters(NameFilters(filters));
    fileDialog.selectNameFilter(filters.front().NameFilter());
    fileDialog.setDefaultSuffix(Suffix(filters.front()));
    fileDialog.selectFile(dialog.OfferedPath());
    // A name typed without a suffix gets the chosen filter's.
    QObject::connect(&fileDialog, &QFileDialog::filterSelected, &fileDialog,
                     [&fileDialog, filters](const QString& chosen) {
                         for (const TFileFilter& filter : filters)
                             if (filter.NameFilter() == chosen) fileDialog.setDefaultSuffix(Suffix(filter));
                     });
}

std::optional<QString> ShowPlatformSaveDialog(QWidget* parent, const TSaveDialog& dialog) {
    QFileDialog fileDialog(parent);
    ConfigureSaveDialog(fileDialog, dialog);
    return FileDialogAnswer(fileDialog);
}
