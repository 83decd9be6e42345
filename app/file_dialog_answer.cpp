#include "app/file_dialog_answer.h"

#include <QFileDialog>

std::optional<QString> FileDialogAnswer(QFileDialog& fileDialog) {
    if (fileDialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = fileDialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first();
}
