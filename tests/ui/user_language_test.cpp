// The platform's dialogs speak the user's language, the window's own captions stay as they are.
// One process per locale (LANG is set before QApplication exists): ru_RU.UTF-8 gives Russian,
// C and en_US.UTF-8 English.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <clocale>
#include <stdexcept>
#include <utility>

#include "app/application.h"
#include "app/dialogs/capture_dialog.h"
#include "app/dialogs/options_page_widget.h"
#include "app/dialogs/property_frame_dialog.h"
#include "app/lumora_demo_unit.h"
#include "app/user_language.h"

namespace {

struct Texts {
    QString open;  // the file dialog's accept button
    QString ok;    // the message box's button
    QStringList header;
    QStringList buttons;
    QString page;
    QStringList captureColumns;
    QString captureCaption;
};

// Qt's Russian catalogue keeps "OK" in Latin letters, as Russian desktops write it.
const Texts kRussian{QStringLiteral("&Открыть"),
                     QStringLiteral("OK"),
                     {"Параметр", "Тип", "Значение", "По умолчанию", "Диапазон", "Аргумент", "Справка"},
                     {"OK", "Отмена", "Применить"},
                     QStringLiteral("Параметры"),
                     {"Вход", "Имя", "Тип", "Состояние"},
                     QStringLiteral("Camera: источник видео")};
const Texts kEnglish{QStringLiteral("&Open"),
                     QStringLiteral("OK"),
                     {"Option", "Type", "Value", "Default", "Range", "Argument", "Help"},
                     {"OK", "Cancel", "Apply"},
                     QStringLiteral("Options"),
                     {"Input", "Name", "Type", "Status"},
                     QStringLiteral("Camera: video source")};

bool Russian() { return qEnvironmentVariable("LANG").startsWith(QStringLiteral("ru")); }
const Texts& Expected() { return Russian() ? kRussian : kEnglish; }

// The window's own captions, the same under every locale.
const std::pair<const char*, const char*> kCaptions[] = {
    {"Form1", "Информация о видеофайле"},
    {"Label1", "Исходный файл:"},
    {"btOpenFile", "..."},
    {"Label2", "Исходный DVD IFO файл:"},
    {"Label3", "Главы:"},
    {"Label4", "Видео:"},
    {"Label5", "Аудиопотоки:"},
    {"Label6", "Субтитры:"},
    {"btOpenDVD", "..."},
    {"Label7", "Видео кодеки:"},
    {"Label8", "Аудио кодеки:"},
    {"Label9", "Фильтры DirectShow:"},
    {"Label10", "Устройства захвата видео:"},
    {"Label11", "Устройства захвата аудио:"},
    {"Label12", "TV тюнеры:"},
    {"Label13", "Устройства аудиовывода:"},
    {"btVideoSettings", "Настройки"},
    {"btAudioSettings", "Настройки"},
    {"btDSSettings", "Настройки"},
};

QString Caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    return control->windowTitle();
}

}  // namespace

class UserLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QStringList installed = InstallTranslations(*qApp);
        if (Russian()) {
            QVERIFY2(QByteArray(std::setlocale(LC_MESSAGES, nullptr)).startsWith("ru_RU"),
                     "the ru_RU.UTF-8 locale is missing: scripts/install-deps.sh generates it");
            QCOMPARE(installed, (QStringList{"qtbase_ru", "lumora_ru"}));
        } else {
            QVERIFY(!installed.contains(QStringLiteral("lumora_ru")));
        }
    }

    void windowCaptionsStayAsTheyAre() {
        TForm1 form;
        for (const auto& [name, caption] : kCaptions) {
            const auto* control =
                form.objectName() == QLatin1String(name) ? &form : form.findChild<QWidget*>(name);
            QVERIFY2(control, name);
            QCOMPARE(Caption(control), QString::fromUtf8(caption));
        }
        QStringList tabs;
        for (int i = 0; i < form.PageControl1->count(); ++i)
            tabs << form.PageControl1->tabText(i);
        QCOMPARE(tabs, (QStringList{"Информация о видеофайле", "Информация о DVD", "Фильтры и кодеки "}));
        QCOMPARE(form.OpenDialog2.FilterName(), QStringLiteral("IFO файл"));
    }

    void openDialog() {
        TForm1 form;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureFileDialog(dialog, form.OpenDialog1);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons && buttons->button(QDialogButtonBox::Open));
        QCOMPARE(buttons->button(QDialogButtonBox::Open)->text(), Expected().open);
    }

    void messageBox() {
        QString shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            shown = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->text() : QStringLiteral("?");
            box->done(QMessageBox::Ok);
        });
        poll.start(5);
        try {
            throw std::runtime_error("a failure");
        } catch (...) {
            HandleException();
        }
        QCOMPARE(shown, Expected().ok);
    }

    void settingsDialog() {
        OptionDescription option;
        option.group = "enc";
        option.name = "crf";
        option.type = "float";
        PropertyFrameDescription frame{"libx264", {OptionPage{"Options", {option}, {}}}};
        PropertyFrameDialog dialog(frame);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("libx264"));
        const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("options"));
        QVERIFY(table);
        QStringList header;
        for (int column = 0; column < table->columnCount(); ++column)
            header << table->horizontalHeaderItem(column)->text();
        QCOMPARE(header, Expected().header);
        QStringList buttons;
        for (const QDialogButtonBox::StandardButton button :
             {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Apply})
            buttons << dialog.Buttons()->button(button)->text().remove(QLatin1Char('&'));
        QCOMPARE(buttons, Expected().buttons);
        QCOMPARE(dialog.findChild<QTabWidget*>(QStringLiteral("pages"))->tabText(0), Expected().page);
    }

    // The backend's fixed words in a capture dialog; the device's name stays as it is.
    void captureDialog() {
        CaptureDialog dialog(
            CaptureDialogDescription{"Camera: video source", 0, {"Input", "Name", "Type", "Status"}, {}});
        QCOMPARE(dialog.windowTitle(), Expected().captureCaption);
        QStringList columns;
        for (int column = 0; column < dialog.Table()->columnCount(); ++column)
            columns << dialog.Table()->horizontalHeaderItem(column)->text();
        QCOMPARE(columns, Expected().captureColumns);
    }
};

QTEST_MAIN(UserLanguageTest)
#include "user_language_test.moc"
