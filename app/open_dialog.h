// A file-open dialog as the pages use it: named filters (the first selected when it opens),
// Execute to ask the user, FileName for the answer. The asking goes through a chooser that tests
// replace.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/file_filter.h"

class QFileDialog;
class QWidget;
class TOpenDialog;

// Asks the user for one existing file; nullopt when the user cancels.
using FileChooser = std::function<std::optional<QString>(QWidget* parent, const TOpenDialog& dialog)>;

class TOpenDialog {
public:
    // filters: at least one; the first is selected when the dialog opens.
    explicit TOpenDialog(std::vector<TFileFilter> filters);
    TOpenDialog(QString filterName, QStringList patterns);

    const std::vector<TFileFilter>& Filters() const { return filters_; }
    // The first filter's name, the one selected when the dialog opens.
    const QString& FilterName() const { return filters_.front().name; }
    QStringList NameFilters() const;

    // Shows the dialog; true when the user chose a file, which FileName then holds. The next
    // Execute starts at that file. A cancel leaves FileName as it was.
    bool Execute(QWidget* parent);
    // The chosen path as the file system spells it (bytes of a Linux file name).
    const std::string& FileName() const { return fileName_; }
    const QString& DisplayFileName() const { return displayFileName_; }

    // Replaces the platform's dialog (tests answer it); an empty chooser restores it.
    void SetChooser(FileChooser chooser);

private:
    std::vector<TFileFilter> filters_;
    FileChooser chooser_;
    std::string fileName_;
    QString displayFileName_;
};

// Sets up a file dialog as the open dialog describes it: one existing file, the filters (their
// patterns not shown beside their names) with the first selected, no title of its own, starting
// at the last file chosen.
void ConfigureFileDialog(QFileDialog& fileDialog, const TOpenDialog& dialog);
// The platform's file-open dialog so set up, shown modally.
std::optional<QString> ShowPlatformOpenDialog(QWidget* parent, const TOpenDialog& dialog);
