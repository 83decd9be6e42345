#include "app/lumora_demo_unit.h"

#include <QComboBox>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSysInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <initializer_list>

#include "app/application.h"
#include "app/busy_cursor.h"
#include "app/details_commands.h"
#include "app/dropped_path.h"
#include "app/dvd_volume_path.h"
#include "app/item_height_delegate.h"
#include "app/page_control.h"
#include "app/page_text/drop_down_order.h"
#include "app/page_text/dvd_page_lines.h"
#include "app/page_text/file_page_lines.h"
#include "app/sorted_combo_box.h"
#include "platform/user_locale.h"

// Outside any namespace, as Qt's resource initialisers are declared.
static void InitWindowResources() { Q_INIT_RESOURCE(lumora); }

namespace {

constexpr int kClientWidth = 377;
constexpr int kClientHeight = 364;
constexpr int kItemHeight = 13;
// Tahoma 8 pt at the designed 96 pixels per inch: 11 pixels, the unit of the window's geometry.
constexpr int kFontPixelSize = 11;
// Wine's metric-compatible Tahoma; fontconfig does not list the wine fonts folder.
constexpr char kTahomaFile[] = "/usr/share/wine/fonts/tahoma.ttf";

QFont FormFont() {
    static const QString tahoma = [] {
        if (!QFile::exists(QString::fromLatin1(kTahomaFile))) return QString();
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kTahomaFile));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QString() : families.first();
    }();
    QFont font = tahoma.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont(tahoma);
    font.setPixelSize(kFontPixelSize);
    return font;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/lumora-%1.png").arg(size), QSize(size, size));
    return icon;
}

template <class Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// Labels size themselves to their caption from the given corner.
QLabel* MakeLabel(QWidget* page, const char* name, const char* caption, int left, int top) {
    auto* label = new QLabel(QString::fromUtf8(caption), page);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QListWidget* MakeListBox(QWidget* page) {
    auto* box = new QListWidget(page);
    box->setSortingEnabled(false);
    box->setUniformItemSizes(true);
    box->setItemDelegate(new ItemHeightDelegate(kItemHeight, box));
    return box;
}

// A drop-down combo box with an editable text field; typed text is never added as an item.
QComboBox* MakeEditableComboBox(QWidget* page) {
    auto* box = new QComboBox(page);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setItemDelegate(new ItemHeightDelegate(kItemHeight, box));
    // The chosen line shows from its first character, not its end, when it is wider than the box.
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [box] { box->lineEdit()->setCursorPosition(0); });
    return box;
}

TSortedComboBox* MakeSortedComboBox(QWidget* page) {
    auto* box = new TSortedComboBox(page);
    box->setItemDelegate(new ItemHeightDelegate(kItemHeight, box));
    return box;
}

QWidget* MakePage(QTabWidget* pages, const char* name, const char* caption) {
    auto* page = new QWidget();
    page->setObjectName(QLatin1String(name));
    pages->addTab(page, QString::fromUtf8(caption));
    return page;
}

// Tab moves through the controls in the order given.
void ChainTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent),
      OpenDialog1(QStringLiteral("Все файлы"), {QStringLiteral("*")}),
      // DVD file names are usually upper case; the patterns take any case in every dialog.
      OpenDialog2({{QStringLiteral("IFO файл"), {QStringLiteral("*.[iI][fF][oO]")}},
                   {QStringLiteral("Образ DVD"), {QStringLiteral("*.[iI][sS][oO]")}}}) {
    InitWindowResources();
    setObjectName(QStringLiteral("Form1"));
    // XPManifest1: the window uses the platform's widget style; nothing to declare on Linux.
    setWindowTitle(QStringLiteral("Информация о видеофайле"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    move(265, 276);
    setFont(FormFont());

    CreateControls();
    Lumora.SetDecimalSeparator(UserDecimalSeparator());
    WireEvents();
    AcceptFileDrops();
    Details = new TDetailsCommands(*this);
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    PageControl1 = Place(new TPageControl(this), "PageControl1", 0, 0, kClientWidth, kClientHeight);
    PageControl1->setTabPosition(QTabWidget::North);
    TabSheet1 = MakePage(PageControl1, "TabSheet1", "Информация о видеофайле");
    TabSheet2 = MakePage(PageControl1, "TabSheet2", "Информация о DVD");
    TabSheet3 = MakePage(PageControl1, "TabSheet3", "Фильтры и кодеки ");

    CreateFilePage();
    CreateDVDPage();
    CreateCataloguePage();

    ChainTabOrder({PageControl1,
                   edFilename,
                   btOpenFile,
                   list,
                   edDVD,
                   btOpenDVD,
                   lbTitles,
                   edVideo,
                   cbAudio,
                   cbSubtitles,
                   cbVideoCodecs,
                   btVideoSettings,
                   cbAudioCodecs,
                   btAudioSettings,
                   cbDirectShowFilters,
                   btDSSettings,
                   cbVideoCaptureDevices,
                   cbAudioCaptureDevices,
                   cbTVTuners,
                   cbAudioOutputDevices});
    PageControl1->setCurrentWidget(TabSheet1);
    PageControl1->setFocus();
}

void TForm1::CreateFilePage() {
    QWidget* page = TabSheet1;
    Label1 = MakeLabel(page, "Label1", "Исходный файл:", 8, 8);
    edFilename = Place(new QLineEdit(page), "edFilename", 8, 24, 321, 21);
    btOpenFile = Place(new QPushButton(QStringLiteral("..."), page), "btOpenFile", 333, 22, 26, 25);
    list = Place(MakeListBox(page), "list", 8, 56, 353, 273);
}

void TForm1::CreateDVDPage() {
    QWidget* page = TabSheet2;
    Label2 = MakeLabel(page, "Label2", "Исходный DVD IFO файл:", 8, 8);
    Label3 = MakeLabel(page, "Label3", "Главы:", 8, 51);
    Label4 = MakeLabel(page, "Label4", "Видео:", 167, 51);
    Label5 = MakeLabel(page, "Label5", "Аудиопотоки:", 167, 97);
    Label6 = MakeLabel(page, "Label6", "Субтитры:", 167, 143);
    edDVD = Place(new QLineEdit(page), "edDVD", 8, 24, 321, 21);
    btOpenDVD = Place(new QPushButton(QStringLiteral("..."), page), "btOpenDVD", 333, 22, 26, 25);
    lbTitles = Place(MakeListBox(page), "lbTitles", 8, 70, 153, 113);
    edVideo = Place(new QLineEdit(page), "edVideo", 167, 70, 194, 21);
    cbAudio = Place(MakeEditableComboBox(page), "cbAudio", 166, 116, 195, 21);
    cbSubtitles = Place(MakeEditableComboBox(page), "cbSubtitles", 166, 162, 195, 21);
}

void TForm1::CreateCataloguePage() {
    QWidget* page = TabSheet3;
    const QString settings = QStringLiteral("Настройки");
    Label7 = MakeLabel(page, "Label7", "Видео кодеки:", 8, 8);
    Label8 = MakeLabel(page, "Label8", "Аудио кодеки:", 8, 54);
    Label9 = MakeLabel(page, "Label9", "Фильтры DirectShow:", 8, 100);
    Label10 = MakeLabel(page, "Label10", "Устройства захвата видео:", 9, 146);
    Label11 = MakeLabel(page, "Label11", "Устройства захвата аудио:", 9, 192);
    Label12 = MakeLabel(page, "Label12", "TV тюнеры:", 9, 238);
    Label13 = MakeLabel(page, "Label13", "Устройства аудиовывода:", 9, 284);
    cbVideoCodecs = Place(MakeSortedComboBox(page), "cbVideoCodecs", 8, 27, 273, 21);
    btVideoSettings = Place(new QPushButton(settings, page), "btVideoSettings", 288, 25, 75, 25);
    cbAudioCodecs = Place(MakeSortedComboBox(page), "cbAudioCodecs", 8, 73, 273, 21);
    btAudioSettings = Place(new QPushButton(settings, page), "btAudioSettings", 288, 71, 75, 25);
    cbDirectShowFilters = Place(MakeSortedComboBox(page), "cbDirectShowFilters", 8, 119, 273, 21);
    btDSSettings = Place(new QPushButton(settings, page), "btDSSettings", 288, 117, 75, 25);
    cbVideoCaptureDevices = Place(MakeSortedComboBox(page), "cbVideoCaptureDevices", 9, 165, 352, 21);
    cbAudioCaptureDevices = Place(MakeSortedComboBox(page), "cbAudioCaptureDevices", 9, 211, 352, 21);
    cbTVTuners = Place(MakeSortedComboBox(page), "cbTVTuners", 9, 257, 352, 21);
    cbAudioOutputDevices = Place(MakeSortedComboBox(page), "cbAudioOutputDevices", 9, 303, 352, 21);
}

template <class Control, class Signal>
void TForm1::Wire(Control* control, Signal signal, void (TForm1::*handler)(QObject*)) {
    connect(control, signal, this,
            [this, control, handler] { RunHandled([&] { (this->*handler)(control); }); });
}

void TForm1::WireEvents() {
    Wire(btOpenFile, &QPushButton::clicked, &TForm1::btOpenFileClick);
    Wire(edFilename, &QLineEdit::returnPressed, &TForm1::edFilenameReturn);
    Wire(btOpenDVD, &QPushButton::clicked, &TForm1::btOpenDVDClick);
    WireTitlesClick();
    // activated: only a pick by the user (mouse or keyboard), never a selection made by code.
    Wire(cbVideoCodecs, &QComboBox::activated, &TForm1::cbVideoCodecsChange);
    Wire(cbAudioCodecs, &QComboBox::activated, &TForm1::cbAudioCodecsChange);
    Wire(cbDirectShowFilters, &QComboBox::activated, &TForm1::cbDirectShowFiltersChange);
    Wire(btVideoSettings, &QPushButton::clicked, &TForm1::btVideoSettingsClick);
    Wire(btAudioSettings, &QPushButton::clicked, &TForm1::btAudioSettingsClick);
    Wire(btDSSettings, &QPushButton::clicked, &TForm1::btDSSettingsClick);
}

void TForm1::WireTitlesClick() {
    // A new line (mouse or keyboard) comes as a change of the selection; a click on the line that
    // was selected already changes nothing and comes only as itemClicked.
    Wire(lbTitles, &QListWidget::itemSelectionChanged, &TForm1::lbTitlesClick);
    lbTitles->viewport()->installEventFilter(this);
    connect(lbTitles, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (lbTitles->row(item) == titleRowAtPress_) RunHandled([this] { lbTitlesClick(lbTitles); });
    });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbTitles->viewport() && event->type() == QEvent::MouseButtonPress)
        titleRowAtPress_ =
            lbTitles->selectedItems().isEmpty() ? -1 : lbTitles->row(lbTitles->selectedItems().first());
    return QWidget::eventFilter(watched, event);
}

namespace {

// The local path a drag carries; nothing for anything else (text, another scheme, no URL).
std::optional<std::string> DraggedPath(const QMimeData* data) {
    static const QString kUriList = QStringLiteral("text/uri-list");
    if (!data || !data->hasFormat(kUriList)) return std::nullopt;
    return FirstLocalPathOfUriList(data->data(kUriList).toStdString(),
                                   QSysInfo::machineHostName().toStdString());
}

// A copy, else a link: never a move, after which the source would delete what was dropped.
std::optional<Qt::DropAction> DropActionFor(Qt::DropActions possible) {
    if (possible & Qt::CopyAction) return Qt::CopyAction;
    if (possible & Qt::LinkAction) return Qt::LinkAction;
    return std::nullopt;
}

// Takes the drag or drop with the action, or refuses it when there is none.
void Answer(QDropEvent* event, std::optional<Qt::DropAction> action) {
    if (!action) {
        event->ignore();
        return;
    }
    event->setDropAction(*action);
    event->accept();
}

}  // namespace

void TForm1::AcceptFileDrops() {
    setAcceptDrops(true);
    // An edit box would take a file manager's drag as text; the window takes it as a path.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setAcceptDrops(false);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    dragAction_ = DraggedPath(event->mimeData()) ? DropActionFor(event->possibleActions()) : std::nullopt;
    Answer(event, dragAction_);
}

// The same answer all over the window; the drag's data is not asked for again.
void TForm1::dragMoveEvent(QDragMoveEvent* event) { Answer(event, dragAction_); }

void TForm1::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DraggedPath(event->mimeData());
    const std::optional<Qt::DropAction> action =
        path ? DropActionFor(event->possibleActions()) : std::nullopt;
    Answer(event, action);
    if (!action) return;
    // Opened once the drop has ended, so that the file manager is not held while media is read.
    QTimer::singleShot(0, this, [this, path = *path] { RunHandled([&] { OpenPath(path); }); });
}

void TForm1::DoCreate() {
    RunHandled([this] { FormCreate(this); });
}

namespace {

// The text of the selected item; empty with no selection.
std::string SelectedName(const QComboBox* list) {
    const int index = list->currentIndex();
    return index < 0 ? std::string() : list->itemText(index).toStdString();
}

// Appends the names (a sorted list puts them in its order) and selects the first item when there
// is one.
bool FillList(QComboBox* list, const std::vector<std::string>& names) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        items.append(QString::fromStdString(name));
    list->addItems(items);
    if (list->count() == 0) return false;
    list->setCurrentIndex(0);
    return true;
}

// No items and no text, not even text the user typed.
void Empty(QComboBox* box) {
    box->clear();
    box->clearEditText();
}

}  // namespace

// Runs once, before the window is first shown: fills the third page from the catalogue. A failure
// of FillDeviceLists leaves every list empty and reaches the default error handler.
void TForm1::FormCreate(QObject*) {
    Lumora.FillDeviceLists();
    // Handed over in drop-down order and in one batch per list, so that each list sorts once.
    if (FillList(cbVideoCodecs, DropDownOrder(Lumora.List_VideoCodecs()))) cbVideoCodecsChange(nullptr);
    if (FillList(cbAudioCodecs, DropDownOrder(Lumora.List_AudioCodecs()))) cbAudioCodecsChange(nullptr);
    FillList(cbVideoCaptureDevices, DropDownOrder(Lumora.List_VideoCaptureDevices()));
    FillList(cbAudioCaptureDevices, DropDownOrder(Lumora.List_AudioCaptureDevices()));
    if (FillList(cbDirectShowFilters, DropDownOrder(Lumora.List_DirectShowFilters())))
        cbDirectShowFiltersChange(nullptr);
    FillList(cbAudioOutputDevices, DropDownOrder(Lumora.List_AudioOutputDevices()));
    FillList(cbTVTuners, DropDownOrder(Lumora.List_TVTuners()));
}

void TForm1::CheckSettings(const QComboBox* list, QPushButton* button, HasSettings has) {
    // The name is read afresh for each question.
    const bool enabled = (Lumora.*has)(SelectedName(list), sdkPropertyPages) ||
                         (Lumora.*has)(SelectedName(list), sdkCompressorConfig);
    button->setEnabled(enabled);
}

void TForm1::OpenSettings(const QComboBox* list, HasSettings has, ShowSettings show) {
    if ((Lumora.*has)(SelectedName(list), sdkPropertyPages)) {
        (Lumora.*show)(SelectedName(list), sdkPropertyPages);
    } else if ((Lumora.*has)(SelectedName(list), sdkCompressorConfig)) {
        (Lumora.*show)(SelectedName(list), sdkCompressorConfig);
    }
}

void TForm1::cbVideoCodecsChange(QObject*) {
    CheckSettings(cbVideoCodecs, btVideoSettings, &TKxLumora::HasVideoCodecSettings);
}

void TForm1::cbAudioCodecsChange(QObject*) {
    CheckSettings(cbAudioCodecs, btAudioSettings, &TKxLumora::HasAudioCodecSettings);
}

void TForm1::cbDirectShowFiltersChange(QObject*) {
    CheckSettings(cbDirectShowFilters, btDSSettings, &TKxLumora::HasDSFilterSettings);
}

void TForm1::btVideoSettingsClick(QObject*) {
    OpenSettings(cbVideoCodecs, &TKxLumora::HasVideoCodecSettings, &TKxLumora::ShowVideoCodecSettings);
}

void TForm1::btAudioSettingsClick(QObject*) {
    OpenSettings(cbAudioCodecs, &TKxLumora::HasAudioCodecSettings, &TKxLumora::ShowAudioCodecSettings);
}

void TForm1::btDSSettingsClick(QObject*) {
    OpenSettings(cbDirectShowFilters, &TKxLumora::HasDSFilterSettings, &TKxLumora::ShowDSFilterSettings);
}

void TForm1::btOpenDVDClick(QObject*) {
    if (!OpenDialog2.Execute(this)) return;
    OpenDVD(OpenDialog2.FileName(), OpenDialog2.DisplayFileName());
}

void TForm1::OpenDVD(const std::string& fileName, const QString& displayName) {
    Lumora.SetFileName(fileName);
    edDVD->setText(displayName);
    {
        const BusyCursor busy;
        Lumora.ReadDVDInfo();
    }
    // The boxes must not go on showing a title of the volume that is no longer open.
    edVideo->clear();
    Empty(cbAudio);
    Empty(cbSubtitles);
    lbTitles->clear();
    const TKx_DVD_Titles& titles = Lumora.DVDInfo().Titles;
    QStringList lines;
    for (int32_t i = 0; i < titles.Count(); ++i)
        lines.append(QString::fromStdString(DvdTitleLine(i, titles.Items(i))));
    lbTitles->addItems(lines);
    Details->DvdRead(Lumora);
}

void TForm1::lbTitlesClick(QObject*) {
    const QList<QListWidgetItem*> selected = lbTitles->selectedItems();
    if (selected.isEmpty()) return;
    Empty(cbAudio);
    Empty(cbSubtitles);
    const TKx_DVD_TitleInfo& title = Lumora.DVDInfo().Titles.Items(lbTitles->row(selected.first()));
    edVideo->setText(QString::fromStdString(DvdVideoLine(title.TitleAttributes)));
    FillList(cbAudio, DvdAudioLines(title.TitleAttributes));
    FillList(cbSubtitles, DvdSubtitleLines(title.TitleAttributes));
    edVideo->setCursorPosition(0);  // a line wider than the box shows from its start
}

void TForm1::btOpenFileClick(QObject*) {
    if (!OpenDialog1.Execute(this)) return;
    OpenFile(OpenDialog1.FileName(), OpenDialog1.DisplayFileName());
}

void TForm1::OpenFile(const std::string& fileName, const QString& displayName) {
    Lumora.SetFileName(fileName);
    edFilename->setText(displayName);
    {
        const BusyCursor busy;
        Lumora.ReadFileInfo();
    }
    list->clear();
    QStringList lines;
    for (const std::string& line : FilePageLines(Lumora))
        lines.append(QString::fromStdString(line));
    list->addItems(lines);
    Details->FileRead(Lumora);
}

void TForm1::edFilenameReturn(QObject*) {
    const QString typed = edFilename->text();
    if (!typed.isEmpty()) OpenFile(QFile::encodeName(typed).toStdString(), typed);
}

void TForm1::OpenPath(const std::string& path) {
    const QString displayName = QFile::decodeName(QByteArray::fromStdString(path));
    if (IsDvdVolumePath(path)) {
        PageControl1->setCurrentWidget(TabSheet2);
        OpenDVD(path, displayName);
    } else {
        PageControl1->setCurrentWidget(TabSheet1);
        OpenFile(path, displayName);
    }
}
