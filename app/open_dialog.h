// A file-open dialog as the pages use it: one named filter, Execute to ask the user, FileName for
// the answer. The asking goes through a chooser that tests replace.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;
class TOpenDialog;

// Asks the user for one existing file; nullopt when the user cancels.
using FileChooser = std::function<std::optional<QString>(QWidget* parent, const TOpenDialog& dialog)>;

class TOpenDialog {
public:
    // patterns: wildcard patterns as Qt's and the desktop's file dialogs read them.
    TOpenDialog(QString filterName, QStringList patterns);

    const QString& FilterName() const { return filterName_; }
    // "Name (pattern pattern …)", the form the file dialogs take.
    QString NameFilter() const;

    // Shows the dialog; true when the user chose a file, which FileName then holds. The next
    // Execute starts at that file. A cancel leaves FileName as it was.
    bool Execute(QWidget* parent);
    // The chosen path as the file system spells it (bytes of a Linux file name).
    const std::string& FileName() const { return fileName_; }
    const QString& DisplayFileName() const { return displayFileName_; }

    // Replaces the platform's dialog (tests answer it); an empty chooser restores it.
    void SetChooser(FileChooser chooser);

private:
    QString filterName_;
    QStringList patterns_;
    FileChooser chooser_;
    std::string fileName_;
    QString displayFileName_;
};

// Sets up a file dialog as the open dialog describes it: one existing file, the filter (its
// patterns not shown beside its name), no title of its own, starting at the last file chosen.
void ConfigureFileDialog(QFileDialog& fileDialog, const TOpenDialog& dialog);
// The platform's file-open dialog so set up, shown modally.
std::optional<QString> ShowPlatformOpenDialog(QWidget* parent, const TOpenDialog& dialog);
