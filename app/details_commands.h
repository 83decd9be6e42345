// The pages' way to the details window, with no control of their own: a double click or a context
// menu on the file page's list and the DVD page's titles, and Ctrl+I on the page in front. It keeps
// each page's content of its last reading and the one details window, which a new reading refills
// while it is open and which closes with the main window. A file's content is built when first
// wanted: it probes this machine's hardware, which the page's own lines never wait for.
#pragma once

#include <QObject>
#include <memory>

#include "app/details_content.h"

class QListWidget;
class QPoint;
class TDetailsWindow;
class TForm1;
class TKxLumora;

class TDetailsCommands : public QObject {
    Q_OBJECT

public:
    explicit TDetailsCommands(TForm1& form);

    // After each reading of the page, with the component that read.
    void FileRead(TKxLumora& lumora);
    void DvdRead(const TKxLumora& lumora);

    // The commands; each does nothing while its page has nothing read.
    void ShowFileDetails();
    // The title selected on the DVD page, if any, expanded and scrolled to.
    void ShowDvdDetails();
    // The file's whole report to the clipboard, as the details window's "Копировать" puts it.
    void CopyFileDetails();
    // Ctrl+I: the details of the page in front.
    void ShowPageDetails();

    // Null until the window is first opened.
    TDetailsWindow* Window() const { return window_; }

private:
    void WireList(QListWidget* box, void (TDetailsCommands::*show)(), bool file);
    void PopUpMenu(QListWidget* box, const QPoint& at, bool file);
    // The file's content, built on the first call after its reading; null when it has none.
    const std::shared_ptr<const TDetailsContent>& FileContent();
    bool WindowOpen() const;
    void Refill(const std::shared_ptr<const TDetailsContent>& content);
    void Show(const std::shared_ptr<const TDetailsContent>& content, const QString& section);
    // The main window's close closes the details window.
    bool eventFilter(QObject* watched, QEvent* event) override;

    TForm1& form_;
    std::shared_ptr<const TDetailsContent> file_;
    TKxLumora* unbuiltFile_ = nullptr;  // the component whose file reading file_ is still to be built from
    std::shared_ptr<const TDetailsContent> dvd_;
    TDetailsWindow* window_ = nullptr;
};
