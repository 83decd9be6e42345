// The application's default error handler: what a handler throws is shown in a critical message
// box titled with the application's title, and the program goes on.
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/application.h"
#include "app/lumora_demo_unit.h"
#include "tests/support/message_box_closer.h"

using namespace lumora::testing;

class ErrorHandlerTest : public QObject {
    Q_OBJECT

private slots:
    void titleOfProgramFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/lumora_demo"
                               << "lumora_demo";
        QTest::newRow("first letter kept, rest lowered") << "/opt/LUMORA_Demo"
                                                         << "Lumora_demo";
        QTest::newRow("up to the first full stop") << "/opt/Lumora.Demo.exe"
                                                   << "Lumora";
        QTest::newRow("Cyrillic") << "/opt/ПРОГРАММА.EXE"
                                  << "Программа";
        QTest::newRow("name starting with a full stop") << "/opt/.hidden"
                                                        << "";
    }
    void titleOfProgramFile() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitleOf(path), title);
    }

    void runningProgramsTitle() { QCOMPARE(ApplicationTitle(), QStringLiteral("error_handler_test")); }

    void handlerErrorIsShownAndProgramGoesOn_data() {
        QTest::addColumn<bool>("standardError");
        QTest::addColumn<QString>("message");
        QTest::newRow("std::exception") << true << QStringLiteral("Устройство не готово");
        QTest::newRow("anything else") << false << QStringLiteral("Unknown error.");
    }
    void handlerErrorIsShownAndProgramGoesOn() {
        QFETCH(bool, standardError);
        QFETCH(QString, message);
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.OpenDialog1.SetChooser([&](QWidget*, const TOpenDialog&) -> std::optional<QString> {
            if (standardError) throw std::runtime_error(message.toStdString());
            throw 42;
        });
        MessageBoxCloser closer;
        form.btOpenFile->click();
        QCOMPARE(closer.shown.size(), 1);
        QCOMPARE(closer.shown[0].title, ApplicationTitle());
        QCOMPARE(closer.shown[0].text, message);
        QCOMPARE(closer.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(closer.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        // The window still answers: the next click runs the handler again, and a cancel shows nothing.
        bool asked = false;
        form.OpenDialog1.SetChooser([&](QWidget*, const TOpenDialog&) {
            asked = true;
            return std::optional<QString>();
        });
        form.btOpenFile->click();
        QVERIFY(asked);
        QCOMPARE(closer.shown.size(), 1);
        QVERIFY(form.isVisible());
        QCOMPARE(form.list->count(), 0);
    }

    void creationHandlerRunsWithoutError() {
        TForm1 form;
        MessageBoxCloser closer;
        form.DoCreate();
        QVERIFY(closer.shown.isEmpty());
    }
};

QTEST_MAIN(ErrorHandlerTest)
#include "error_handler_test.moc"
