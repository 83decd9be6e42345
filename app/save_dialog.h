// A file-save dialog as the details window uses it: named filters of one pattern each (the first
// selected when it opens), Execute to ask the user for a name, FileName for the answer. The
// asking goes through a chooser that tests replace.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/file_filter.h"

class QFileDialog;
class QWidget;
class TSaveDialog;

// Asks the user where to save; nullopt when the user cancels.
using SaveChooser = std::function<std::optional<QString>(QWidget* parent, const TSaveDialog& dialog)>;

class TSaveDialog {
public:
    // filters: at least one, each with one pattern "*.suffix"; the first is selected when the
    // dialog opens.
    explicit TSaveDialog(std::vector<TFileFilter> filters);

    const std::vector<TFileFilter>& Filters() const { return filters_; }

    // Shows the dialog offering name in the folder saved into last (the home folder at first);
    // true when the user chose a path, which FileName then holds.
    bool Execute(QWidget* parent, const QString& name);
    const QString& FileName() const { return fileName_; }
    // The path the dialog offers.
    const QString& OfferedPath() const { return offeredPath_; }

    // Replaces the platform's dialog (tests answer it); an empty chooser restores it.
    void SetChooser(SaveChooser chooser);

private:
    std::vector<TFileFilter> filters_;
    SaveChooser chooser_;
    QString folder_;
    QString offeredPath_;
    QString fileName_;
};

// Sets up a file dialog as the save dialog describes it: any name, the filters with the first
// selected, the offered path; a name without a suffix gets the selected filter's.
void ConfigureSaveDialog(QFileDialog& fileDialog, const TSaveDialog& dialog);
// The platform's file-save dialog so set up, shown modally; it asks before replacing a file.
std::optional<QString> ShowPlatformSaveDialog(QWidget* parent, const TSaveDialog& dialog);
