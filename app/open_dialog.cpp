#include "app/open_dialog.h"

#include <QFile>
#include <QFileDialog>

TOpenDialog::TOpenDialog(QString filterName, QStringList patterns)
    : filterName_(std::move(filterName)), patterns_(std::move(patterns)) {}

QString TOpenDialog::NameFilter() const {
    return filterName_ + QStringLiteral(" (") + patterns_.join(QLatin1Char(' ')) + QLatin1Char(')');
}

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
    fileDialog.setNameFilter(dialog.NameFilter());
    if (!dialog.DisplayFileName().isEmpty()) fileDialog.selectFile(dialog.DisplayFileName());
}

std::optional<QString> ShowPlatformOpenDialog(QWidget* parent, const TOpenDialog& dialog) {
    QFileDialog fileDialog(parent);
    ConfigureFileDialog(fileDialog, dialog);
    if (fileDialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = fileDialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first();
}
