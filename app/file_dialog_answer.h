// What a file dialog answers once shown, for the open and save dialogs alike.
#pragma once

#include <QString>
#include <optional>

class QFileDialog;

// Shows the dialog modally; the first path chosen, nullopt when the user cancels.
std::optional<QString> FileDialogAnswer(QFileDialog& fileDialog);
