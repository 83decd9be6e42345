// The two file-open dialogs: which files each filter offers (in any letter case), which filters
// each lists and which it starts with, and where it starts.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/lumora_demo_unit.h"
#include "app/open_dialog.h"

class OpenDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = std::make_unique<TForm1>();
        QVERIFY(folder_.isValid());
        for (const char* name : {"VIDEO_TS.IFO", "VTS_01_0.ifo", "Vts_01_1.Ifo", "VIDEO_TS.BUP",
                                 "VTS_01_1.VOB", "notes", "a.ifo.txt", "disc.iso", "Film.ISO", "a.iso.txt"}) {
            QFile file(folder_.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    void cleanup() { form_.reset(); }

    void filesOffered_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QStringList>("filterNames");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("offered");
        const QStringList dvdFilters{QStringLiteral("IFO файл"), QStringLiteral("Образ DVD")};
        QTest::newRow("OpenDialog1") << 1 << QStringList{QStringLiteral("Все файлы")} << 0
                                     << QStringList{"a.ifo.txt",    "a.iso.txt",    "disc.iso",
                                                    "Film.ISO",     "notes",        "VIDEO_TS.BUP",
                                                    "VIDEO_TS.IFO", "VTS_01_0.ifo", "Vts_01_1.Ifo",
                                                    "VTS_01_1.VOB"};
        QTest::newRow("OpenDialog2") << 2 << dvdFilters << 0
                                     << QStringList{"VIDEO_TS.IFO", "VTS_01_0.ifo", "Vts_01_1.Ifo"};
        QTest::newRow("OpenDialog2, images") << 2 << dvdFilters << 1 << QStringList{"disc.iso", "Film.ISO"};
    }
    // Qt's own dialog, set up as the program sets up the platform's; the first filter is selected
    // when it opens.
    void filesOffered() {
        QFETCH(int, dialog);
        QFETCH(QStringList, filterNames);
        QFETCH(int, filter);
        QFETCH(QStringList, offered);
        const TOpenDialog& openDialog = dialog == 1 ? form_->OpenDialog1 : form_->OpenDialog2;
        QCOMPARE(openDialog.FilterName(), filterNames.first());

        QFileDialog fileDialog;
        fileDialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureFileDialog(fileDialog, openDialog);
        fileDialog.setDirectory(folder_.path());
        QCOMPARE(fileDialog.fileMode(), QFileDialog::ExistingFile);
        QVERIFY(fileDialog.windowTitle().isEmpty() || fileDialog.windowTitle() == QStringLiteral("Open"));

        auto* types = fileDialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QStringList listed;
        for (int i = 0; i < types->count(); ++i)
            listed << types->itemText(i);
        QCOMPARE(listed, filterNames);
        QCOMPARE(types->currentText(), filterNames.first());
        if (filter > 0) fileDialog.selectNameFilter(openDialog.NameFilters().value(filter));

        auto* view = fileDialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(view);
        const auto shown = [view] {
            QStringList names;
            const QModelIndex root = view->rootIndex();
            for (int row = 0; row < view->model()->rowCount(root); ++row)
                names << view->model()->index(row, 0, root).data().toString();
            names.sort(Qt::CaseInsensitive);
            return names;
        };
        offered.sort(Qt::CaseInsensitive);
        QTRY_COMPARE(shown(), offered);
    }

    // After a choice the dialog starts at the chosen file; a cancel keeps the last choice.
    void startsAtTheLastChoice() {
        TOpenDialog& dialog = form_->OpenDialog1;
        const QString chosen = folder_.filePath(QStringLiteral("VTS_01_1.VOB"));
        dialog.SetChooser([&](QWidget*, const TOpenDialog&) { return std::optional<QString>(chosen); });
        QVERIFY(dialog.Execute(form_.get()));
        dialog.SetChooser([](QWidget*, const TOpenDialog&) { return std::optional<QString>(); });
        QVERIFY(!dialog.Execute(form_.get()));
        QCOMPARE(dialog.FileName(), chosen.toStdString());

        QFileDialog fileDialog;
        fileDialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureFileDialog(fileDialog, dialog);
        QCOMPARE(QDir(fileDialog.directory()).canonicalPath(), QDir(folder_.path()).canonicalPath());
        QTRY_COMPARE(fileDialog.selectedFiles().value(0), chosen);
    }

private:
    std::unique_ptr<TForm1> form_;
    QTemporaryDir folder_;
};

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
