// Media from outside the window: lumora_demo PATH through the program's start-up code, and a drop
// onto the window. Real modules on media made at test time; each result is compared with what
// the page's "..." gives for the same path.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/lumora_demo_unit.h"
#include "app/start_up.h"
#include "tests/integration/dvd/dvd_test_volumes.h"
#include "tests/support/fake_catalogue.h"
#include "tests/support/media_tools.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_texts.h"

using namespace lumora::testing;

namespace {

// What a page shows: the page in front, its edit box and its list.
struct Shown {
    QWidget* page = nullptr;
    QString edit;
    QStringList lines;
};

Shown ShownBy(const TForm1& form) {
    const bool dvd = form.PageControl1->currentWidget() == form.TabSheet2;
    return {form.PageControl1->currentWidget(), dvd ? form.edDVD->text() : form.edFilename->text(),
            dvd ? Items(*form.lbTitles) : Items(*form.list)};
}

// The same path opened by the page's own "..." in a window of its own. Qt's file dialogs hand over
// names as UTF-8 text, so for a name that is not UTF-8 a copy under a UTF-8 name stands in.
Shown ShownByDialog(QByteArray path, bool dvd) {
    path.replace("caf\xe9.avi", "film.avi");
    TForm1 form;
    TOpenDialog& dialog = dvd ? form.OpenDialog2 : form.OpenDialog1;
    dialog.SetChooser(
        [&](QWidget*, const TOpenDialog&) { return std::optional<QString>(QFile::decodeName(path)); });
    form.PageControl1->setCurrentWidget(dvd ? form.TabSheet2 : form.TabSheet1);
    (dvd ? form.btOpenDVD : form.btOpenFile)->click();
    Shown shown = ShownBy(form);
    shown.page = nullptr;
    return shown;
}

QMimeData* FileDrag(const QByteArray& uriList) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/uri-list"), uriList);
    // File managers offer the text too; an edit box would take that.
    data->setText(QString::fromUtf8(uriList).trimmed());
    return data;
}

QByteArray FileUri(const QByteArray& path) { return "file://" + path.toPercentEncoding("/") + "\r\n"; }

// Drags and drops at `point` of the window as Qt's window does: to the widget there that takes
// drops, or its nearest parent that does. The drop's action; IgnoreAction when refused.
Qt::DropAction DropAt(TForm1& form, QPoint point, const QMimeData& data,
                      Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
    QWidget* target = form.childAt(point) ? form.childAt(point) : &form;
    while (!target->acceptDrops() && !target->isWindow())
        target = target->parentWidget();
    const QPoint local = target->mapFrom(&form, point);
    QDragEnterEvent enter(local, offered, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDropEvent drop(QPointF(local), offered, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

QPoint CentreOf(const QWidget* widget, const QWidget& form) {
    return widget->mapTo(&form, widget->rect().center());
}

}  // namespace

class OpenFromOutsideTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::string why;
        volumes_ = TestVolumes(&why);
        if (!volumes_) QSKIP(("SKIPPED LOUDLY: " + why).c_str());
        if (!HaveTool("genisoimage")) QSKIP("SKIPPED LOUDLY: genisoimage is not installed");
        const std::string sample = (media_.Path() / "film.avi").string();
        const std::string arguments =
            "-f lavfi -i testsrc=size=320x240:rate=25:duration=1 -f lavfi -i "
            "sine=duration=1 -c:v mpeg4 -c:a pcm_s16le";
        QVERIFY(MakeMedia(sample, arguments));
        // A name that is not UTF-8 reaches the file system byte for byte.
        QVERIFY(MakeMedia((media_.Path() / "caf\xe9.avi").string(), arguments));
        const std::string volume = (*volumes_ / "pal_mixed").string();
        const std::string image = (media_.Path() / "pal_mixed.iso").string();
        QVERIFY(RunCommand("genisoimage -quiet -dvd-video -udf -o " + ShellQuote(image) + " " +
                           ShellQuote(volume)));
    }

    void startUpPath_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("dvd");
        const QByteArray media = QByteArray::fromStdString(media_.Path().string());
        const QByteArray volume = QByteArray::fromStdString((*volumes_ / "pal_mixed").string());
        QTest::newRow("media file") << media + "/film.avi" << false;
        QTest::newRow("name not UTF-8") << media + "/caf\xe9.avi" << false;
        QTest::newRow("volume folder") << volume << true;
        QTest::newRow("VIDEO_TS folder") << volume + "/VIDEO_TS" << true;
        QTest::newRow("backup file") << volume + "/VIDEO_TS/VTS_01_0.BUP" << true;
        QTest::newRow("missing path") << media + "/gone/film.avi" << false;
    }
    // The page and its lines are those the page's "..." gives for the same path; the other page
    // and the component's other results are not touched.
    void startUpPath() {
        QFETCH(QByteArray, path);
        QFETCH(bool, dvd);
        TForm1 form;
        StartWindow(
            form,
            ParseCommandLine(2, std::array<const char*, 2>{"lumora_demo", path.constData()}.data()).path);

        const Shown shown = ShownBy(form);
        const Shown expected = ShownByDialog(path, dvd);
        QCOMPARE(shown.page, dvd ? form.TabSheet2 : form.TabSheet1);
        QCOMPARE(shown.edit, QFile::decodeName(path));
        QCOMPARE(form.Lumora.FileName(), path.toStdString());
        QCOMPARE(shown.lines, expected.lines);
        if (dvd) {
            QCOMPARE(form.list->count(), 0);
            QCOMPARE(form.lbTitles->count(), static_cast<int>(Lsdvd(*volumes_ / "pal_mixed").size()));
        } else {
            QCOMPARE(form.lbTitles->count(), 0);
            QCOMPARE(form.Lumora.DVDInfo().Titles.Count(), 0);
            const bool missing = path.contains("/gone/");
            QCOMPARE(shown.lines.last() == QStringLiteral("FILE NOT FOUND"), missing);
            if (!missing) QCOMPARE(shown.lines.value(3), QStringLiteral("Ширина: 320"));
        }
    }

    // Until the DVD module reads images, an image only lands on the DVD page with its path; once
    // it does, its titles are those of the same volume as a folder.
    void startUpImage() {
        const QByteArray image = QByteArray::fromStdString((media_.Path() / "pal_mixed.iso").string());
        TForm1 form;
        StartWindow(form, image.toStdString());
        QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet2);
        QCOMPARE(form.edDVD->text(), QString::fromUtf8(image));
        QCOMPARE(form.list->count(), 0);
        QVERIFY(form.lbTitles->count() > 0);
        QCOMPARE(Items(*form.lbTitles),
                 ShownByDialog(QByteArray::fromStdString((*volumes_ / "pal_mixed").string()), true).lines);
    }

    void drop_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("dvd");
        QTest::addColumn<QString>("over");
        const QByteArray media = QByteArray::fromStdString(media_.Path().string());
        const QByteArray volume = QByteArray::fromStdString((*volumes_ / "pal_mixed").string());
        QTest::newRow("file onto the list") << media + "/film.avi" << false << "list";
        QTest::newRow("file onto the edit box") << media + "/caf\xe9.avi" << false << "edFilename";
        QTest::newRow("volume onto the edit box") << volume << true << "edFilename";
        QTest::newRow("volume onto the tabs") << volume << true << "PageControl1";
    }
    // Wherever it lands, a drop opens on the page the media belongs on, with the lines the
    // page's "..." gives. A copy is asked for, never a move.
    void drop() {
        QFETCH(QByteArray, path);
        QFETCH(bool, dvd);
        QFETCH(QString, over);
        TForm1 form;
        StartWindow(form, std::nullopt);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto* widget = form.findChild<QWidget*>(over);
        QVERIFY(widget);
        const QPoint point =
            over == QStringLiteral("PageControl1") ? QPoint(form.width() / 2, 10) : CentreOf(widget, form);
        const std::unique_ptr<QMimeData> data(FileDrag(FileUri(path) + FileUri("/elsewhere")));
        QCOMPARE(DropAt(form, point, *data), Qt::CopyAction);

        QTRY_COMPARE(ShownBy(form).page, dvd ? form.TabSheet2 : form.TabSheet1);
        const Shown expected = ShownByDialog(path, dvd);
        QTRY_COMPARE(ShownBy(form).lines, expected.lines);
        QCOMPARE(ShownBy(form).edit, QFile::decodeName(path));
        QVERIFY(!ShownBy(form).lines.isEmpty());
    }

    void refusedDrop_data() {
        QTest::addColumn<QByteArray>("uriList");
        QTest::addColumn<int>("offered");
        const QByteArray film = FileUri(QByteArray::fromStdString((media_.Path() / "film.avi").string()));
        const int all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QTest::newRow("web address") << QByteArray("https://example.com/film.avi\r\n") << all;
        QTest::newRow("web address first") << "https://example.com/film.avi\r\n" + film << all;
        QTest::newRow("file of another host") << QByteArray("file://elsewhere/film.avi\r\n") << all;
        QTest::newRow("no address") << QByteArray() << all;
        QTest::newRow("only a move") << film << static_cast<int>(Qt::MoveAction);
    }
    // A refused drop changes nothing on either page.
    void refusedDrop() {
        QFETCH(QByteArray, uriList);
        QFETCH(int, offered);
        TForm1 form;
        StartWindow(form, std::nullopt);
        auto data = std::make_unique<QMimeData>();
        if (!uriList.isEmpty()) data->setData(QStringLiteral("text/uri-list"), uriList);
        data->setText(QStringLiteral("just text"));
        QCOMPARE(DropAt(form, CentreOf(form.list, form), *data, Qt::DropActions(offered)), Qt::IgnoreAction);
        QCoreApplication::processEvents();
        QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet1);
        QVERIFY(form.edFilename->text().isEmpty());
        QCOMPARE(form.list->count(), 0);
        QVERIFY(form.Lumora.FileName().empty());
    }

private:
    // The window reads the catalogue at start; an empty one keeps these tests apart from the
    // device module.
    fakes::FakePlatform catalogue_;
    std::optional<std::filesystem::path> volumes_;
    TempDir media_;
};

QTEST_MAIN(OpenFromOutsideTest)
#include "open_from_outside_test.moc"
