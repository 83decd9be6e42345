// TForm1: the program's one window, its three pages with every control, the two file-open
// dialogs, the media information component Lumora, and the handlers of the window's events.
// Media also comes from outside the window: a path at start (OpenPath) and a drop.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <optional>

#include "app/open_dialog.h"
#include "app/sorted_combo_box.h"
#include "component/lumoram.h"

class TDetailsCommands;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Builds the window with every control, Lumora and the dialogs; shows nothing and runs no
    // handler (the program runs DoCreate, then shows the window).
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Runs FormCreate under the application's default error handler, as the window's creation does.
    void DoCreate();

    // Handlers. Sender is the control that raised the event (none when called from code).
    void FormCreate(QObject* Sender);
    void btOpenFileClick(QObject* Sender);
    void btOpenDVDClick(QObject* Sender);
    void lbTitlesClick(QObject* Sender);
    void cbVideoCodecsChange(QObject* Sender);
    void cbAudioCodecsChange(QObject* Sender);
    void cbDirectShowFiltersChange(QObject* Sender);
    void btVideoSettingsClick(QObject* Sender);
    void btAudioSettingsClick(QObject* Sender);
    void btDSSettingsClick(QObject* Sender);
    // Enter in edFilename: opens the typed path as "..." opens a chosen one.
    void edFilenameReturn(QObject* Sender);

    // What the two "..." handlers do once their dialog has given a path: the path as the file
    // system spells it and as the edit box shows it.
    void OpenFile(const std::string& fileName, const QString& displayName);
    void OpenDVD(const std::string& fileName, const QString& displayName);
    // Opens a path given from outside the window (command line, drop) on the page it belongs to
    // (IsDvdVolumePath) and brings that page to the front.
    void OpenPath(const std::string& path);

    // The controls, owned by the window (Qt parent-child); named as their objectName.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;

    QLabel* Label1 = nullptr;
    QLineEdit* edFilename = nullptr;
    QPushButton* btOpenFile = nullptr;
    QListWidget* list = nullptr;

    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* edDVD = nullptr;
    QPushButton* btOpenDVD = nullptr;
    QListWidget* lbTitles = nullptr;
    QLineEdit* edVideo = nullptr;
    QComboBox* cbAudio = nullptr;
    QComboBox* cbSubtitles = nullptr;

    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    TSortedComboBox* cbVideoCodecs = nullptr;
    QPushButton* btVideoSettings = nullptr;
    TSortedComboBox* cbAudioCodecs = nullptr;
    QPushButton* btAudioSettings = nullptr;
    TSortedComboBox* cbDirectShowFilters = nullptr;
    QPushButton* btDSSettings = nullptr;
    TSortedComboBox* cbVideoCaptureDevices = nullptr;
    TSortedComboBox* cbAudioCaptureDevices = nullptr;
    TSortedComboBox* cbTVTuners = nullptr;
    TSortedComboBox* cbAudioOutputDevices = nullptr;

    // The first page's dialog (all files) and the second page's (DVD .ifo files, DVD images).
    TOpenDialog OpenDialog1;
    TOpenDialog OpenDialog2;

    TKxLumora Lumora;

    // The details window and the pages' ways to it (double click, context menu, Ctrl+I).
    TDetailsCommands* Details = nullptr;

private:
    void CreateControls();
    void CreateFilePage();
    void CreateDVDPage();
    void CreateCataloguePage();
    void WireEvents();
    // lbTitles' click: a change of the selected line by mouse or keyboard, or a click on the line
    // already selected; each runs lbTitlesClick once.
    void WireTitlesClick();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // One file or folder dropped anywhere on the window opens as OpenPath opens it.
    void AcceptFileDrops();
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // The Has and Show operations of Lumora that one settings button uses.
    using HasSettings = bool (TKxLumora::*)(const std::string&, TSettingsDialogKind) const;
    using ShowSettings = void (TKxLumora::*)(const std::string&, TSettingsDialogKind) const;
    // The one algorithm of the three change handlers, and of the three click handlers.
    void CheckSettings(const QComboBox* list, QPushButton* button, HasSettings has);
    void OpenSettings(const QComboBox* list, HasSettings has, ShowSettings show);

    // Connects a control's signal to a handler; what the handler throws goes to the
    // application's default error handler.
    template <class Control, class Signal>
    void Wire(Control* control, Signal signal, void (TForm1::*handler)(QObject*));

    int titleRowAtPress_ = -1;
    // How the drag now over the window would be taken; nothing while it would be refused.
    std::optional<Qt::DropAction> dragAction_;
};
