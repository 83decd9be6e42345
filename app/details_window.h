// The details window: the whole report of a file or a volume as a tree of sections, to read, copy
// and save. One window of the main window's own, non-modal; closing hides it, so that its size and
// place hold while the program runs.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/details_content.h"
#include "app/save_dialog.h"

class QHBoxLayout;
class QPushButton;
class TIntegrityCheck;
class TReportView;

class TDetailsWindow : public QWidget {
    Q_OBJECT

public:
    explicit TDetailsWindow(QWidget* owner);

    // Shows the content in front of the other windows; section: the title of a top-level section
    // to expand whole and scroll to, if any.
    void ShowContent(std::shared_ptr<const TDetailsContent> content, const QString& section = {});
    // Puts the content in the tree, the window shown or not; stops a check of the last content.
    void Fill(std::shared_ptr<const TDetailsContent> content);
    const TDetailsContent* Content() const { return content_.get(); }

    // "Копировать": the whole report, as lumora_info -of full prints it, to the clipboard, with the
    // decoding check's section once there is one.
    void CopyReport() const;
    // "Сохранить…": asks for a name and saves the report there, as text (with the check's section,
    // as copied), or as lumora_info's JSON under a name ending in .json (lumora_info --json prints
    // no check beside a file's facts, so neither does the window); a failure in a message box with
    // the system's reason.
    void SaveReport();

    TReportView* Tree = nullptr;
    // Along the bottom: the status area (empty, for what a longer command has to say while it
    // runs), then the buttons; a command of the window's own joins them in ButtonRow.
    QWidget* StatusArea = nullptr;
    QHBoxLayout* ButtonRow = nullptr;
    QPushButton* btCopy = nullptr;
    QPushButton* btSave = nullptr;
    QPushButton* btClose = nullptr;
    // "Проверить целостность", for a file's content only.
    TIntegrityCheck* Check = nullptr;
    // Text or JSON; the platform's save dialog unless a test answers it.
    TSaveDialog SaveDialog;

protected:
    // A check that runs is cancelled and its thread joined before the window goes.
    void closeEvent(QCloseEvent* event) override;

private:
    // The content's report, then the check's section if there is one.
    Report ShownReport() const;
    void ShowCheck(const ReportSection& section);

    std::shared_ptr<const TDetailsContent> content_;
    std::optional<ReportSection> check_;
};
