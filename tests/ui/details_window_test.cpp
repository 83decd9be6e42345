// The details window, opened from both pages: its tree, copies and saves against the reports and
// lumora_info, refilling, closing, long values, large reports. Real modules on the file tests'
// sample MKV and an authored volume; a scripted detector for what no sample holds.
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QListWidget>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>
#include <csignal>
#include <nlohmann/json.hpp>

#include "app/details_commands.h"
#include "app/details_window.h"
#include "app/integrity_check.h"
#include "app/lumora_demo_unit.h"
#include "app/page_text/dvd_details_report.h"
#include "app/page_text/file_details_report.h"
#include "app/report_model.h"
#include "app/report_view.h"
#include "tests/integration/dvd/dvd_test_volumes.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/lumora_info_run.h"
#include "tests/support/message_box_closer.h"
#include "tests/support/permissions_hold.h"
#include "tests/support/temp_dir.h"
#include "tests/support/time_bound.h"

using namespace lumora::testing;
using namespace std::chrono_literals;

namespace {

// The tree's rows as ReportText writes a report.
std::string TreeText(const QAbstractItemModel& model, const QModelIndex& parent = {},
                     const std::string& indent = {}) {
    std::string text;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex cell = model.index(row, 0, parent);
        text += (parent.isValid() || row == 0 ? "" : "\n") + indent + cell.data().toString().toStdString();
        text += cell.data(kSectionRole).toBool()
                    ? "\n" + TreeText(model, cell, indent + "  ")
                    : ": " + cell.siblingAtColumn(1).data().toString().toStdString() + "\n";
    }
    return text;
}

QString ToolTipAt(QWidget* viewport, QPoint at) {
    QHelpEvent event(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The context menu's captions, " on" after the enabled ones; then runs the command at `run`, if any.
QStringList ContextMenu(QListWidget* box, QPoint at, int run = -1) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->viewport()->mapToGlobal(at));
    QApplication::sendEvent(box->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << action->text() + (action->isEnabled() ? " on" : "");
    menu->close();
    if (run >= 0) menu->actions().at(run)->trigger();
    return captions;
}

QStringList Entries(const TempDir& folder) {
    return QDir(QString::fromStdString(folder.Path().string()))
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
}

}  // namespace

class DetailsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        std::string why;
        const auto volumes = TestVolumes(&why);
        if (!volumes) QSKIP(("SKIPPED LOUDLY: " + why).c_str());
        volume_ = QString::fromStdString((*volumes / "pal_mixed/VIDEO_TS/VIDEO_TS.IFO").string());
        file_ = QString::fromStdString(SamplePath("holiday.mkv"));
        if (file_.isEmpty()) QSKIP("SKIPPED LOUDLY: ffmpeg made no sample");
    }
    void init() {
        form_ = std::make_unique<TForm1>();
        form_->OpenDialog1.SetChooser([this](QWidget*, const TOpenDialog&) { return std::optional(file_); });
        form_->OpenDialog2.SetChooser(
            [this](QWidget*, const TOpenDialog&) { return std::optional(volume_); });
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() { form_.reset(); }

    void opens_data() {
        QTest::addColumn<bool>("dvd");
        QTest::addColumn<QString>("way");
        for (const bool dvd : {false, true})
            for (const char* way : {"double click", "menu", "Ctrl+I"})
                QTest::addRow("%s, %s", dvd ? "volume" : "file", way) << dvd << QString::fromUtf8(way);
    }
    // The DVD page's second title selected: its section expanded, current and in view. A file's
    // hardware is probed for the window, not for the page.
    void opens() {
        QFETCH(bool, dvd);
        QFETCH(QString, way);
        const Report report = Read(dvd);
        QCOMPARE(ReportText(report).find("не проверено") != std::string::npos, !dvd);
        QListWidget* box = dvd ? form_->lbTitles : form_->list;
        box->setCurrentRow(dvd ? 1 : 0);
        const QPoint at = box->visualItemRect(box->currentItem()).center();
        QCOMPARE(ToolTipAt(box->viewport(), at),
                 QStringLiteral("Двойной щелчок или Ctrl+I — подробные сведения"));
        if (way == "double click") QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
        if (way == "double click") QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
        if (way == "menu") ContextMenu(box, at, 0);
        if (way == "Ctrl+I") QTest::keyClick(form_.get(), Qt::Key_I, Qt::ControlModifier);
        TDetailsWindow* window = form_->Details->Window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Подробные сведения — ") + Name(dvd));
        QCOMPARE(TreeText(*window->Tree->model()),
                 ReportText(dvd ? report : FileDetailsReport(form_->Lumora)));
        if (!dvd) return;
        const QModelIndex title = window->Tree->currentIndex();
        QCOMPARE(title.data().toString(), QStringLiteral("Заголовок 2"));
        QVERIFY(window->Tree->isExpanded(title));
        QVERIFY(window->Tree->viewport()->rect().contains(window->Tree->visualRect(title)));
        box->setCurrentRow(0);  // the open window follows the page's choice
        QCOMPARE(window->Tree->currentIndex().data().toString(), QStringLiteral("Заголовок 1"));
    }

    void disabledWithNothingRead_data() {
        QTest::addColumn<bool>("dvd");
        QTest::addColumn<QString>("read");
        QTest::newRow("file page") << false << QString();
        QTest::newRow("DVD page") << true << QString();
        QTest::newRow("file page, a missing file read") << false << "/nonexistent/film.mkv";
    }
    void disabledWithNothingRead() {
        QFETCH(bool, dvd);
        QFETCH(QString, read);
        if (!read.isEmpty()) form_->OpenFile(read.toStdString(), read);
        form_->PageControl1->setCurrentIndex(dvd ? 1 : 0);
        const QStringList captions = ContextMenu(dvd ? form_->lbTitles : form_->list, {10, 10});
        QCOMPARE(captions, dvd ? QStringList{"Подробно…"} : QStringList({"Подробно…", "Копировать всё"}));
        QTest::keyClick(form_.get(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(!form_->Details->Window());
    }

    // Copied or saved: text as lumora_info -of full prints it (the volume's: its report), JSON as
    // lumora_info --json prints it.
    void outputs_data() {
        QTest::addColumn<bool>("dvd");
        QTest::addColumn<QString>("how");
        for (const bool dvd : {false, true})
            for (const char* how : {"Копировать", "report.txt", "report.JSON"})
                QTest::addRow("%s, %s", dvd ? "volume" : "file", how) << dvd << QString::fromUtf8(how);
        QTest::newRow("file page, Копировать всё") << false << "Копировать всё";
    }
    void outputs() {
        QFETCH(bool, dvd);
        QFETCH(QString, how);
        const Report report = Read(dvd);
        const std::string path = ShellQuote((dvd ? volume_ : file_).toStdString());
        const bool json = how.endsWith(".JSON");
        const std::string expected = json  ? RunLumoraInfo((dvd ? "--json --dvd " : "--json ") + path).out
                                     : dvd ? ReportText(report)
                                           : RunLumoraInfo("-of full " + path).out;
        const TempDir folder;
        const QString target = QString::fromStdString((folder.Path() / how.toStdString()).string());
        QApplication::clipboard()->clear();
        if (how == "Копировать всё") ContextMenu(form_->list, {10, 10}, 1);
        if (how == "Копировать") Open()->btCopy->click();
        if (how.startsWith("report")) {
            Open()->SaveDialog.SetChooser(
                [&](QWidget*, const TSaveDialog&) { return std::optional(target); });
            Open()->btSave->click();
            QCOMPARE(Entries(folder), QStringList{how});
        }
        QFile saved(target);
        const std::string out = saved.open(QIODevice::ReadOnly)
                                    ? saved.readAll().toStdString()
                                    : QApplication::clipboard()->text().toStdString();
        if (json) QVERIFY2(nlohmann::json::parse(out) == nlohmann::json::parse(expected), out.c_str());
        if (!json) QCOMPARE(out, expected);
    }

    // Picked from the bottom up: the second section's title, two lines of the first.
    void ctrlCCopiesTheSelectedRowsInTreeOrder() {
        const Report report = Read(false);
        TReportView* tree = Open()->Tree;
        const QModelIndex first = tree->model()->index(0, 0);
        for (const QModelIndex& row : {tree->model()->index(1, 0), tree->model()->index(2, 0, first),
                                       tree->model()->index(0, 0, first)})
            tree->selectionModel()->select(row, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
        const std::vector<ReportLine>& lines = report[0].lines;
        QCOMPARE(QApplication::clipboard()->text().toStdString(),
                 lines[0].label + ": " + lines[0].value + "\n" + lines[2].label + ": " + lines[2].value +
                     "\n" + report[1].title + "\n");
    }

    void failedSaveLeavesNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << true << "Permission denied";
        QTest::newRow("file size limit") << false << "File too large";
    }
    void failedSaveLeavesNothing() {
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        Read(false);
        const TempDir folder;
        const QString target = QString::fromStdString((folder.Path() / "report.txt").string());
        Open()->SaveDialog.SetChooser([&](QWidget*, const TSaveDialog&) { return std::optional(target); });
        const ScopedPermissionsHold hold;
        if (!hold.Holds())
            QSKIP("SKIPPED LOUDLY: root cannot drop the capabilities that override permissions");
        // A write past 100 bytes fails (EFBIG); a read-only folder refuses before any write.
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{100, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (readOnly)
            std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        MessageBoxCloser closer;
        Open()->btSave->click();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
        QCOMPARE(closer.shown.size(), 1);
        QCOMPARE(closer.shown[0].text, "Не удалось сохранить «" + target + "»: " + reason);
        QCOMPARE(Entries(folder), QStringList());
    }

    // One window: opening it again raises it; each reading refills it with what that reading left,
    // and one that leaves nothing closes it; so do Esc, "Закрыть" and the main window's closing.
    // Its size and place hold until the next opening.
    void oneWindowRefilledAndClosed() {
        Read(false);
        TDetailsWindow* window = Open();
        const Report file = FileDetailsReport(form_->Lumora);
        const Report volume = Read(true);
        QCOMPARE(TreeText(*window->Tree->model()), ReportText(volume));
        QCOMPARE(window->windowTitle(), QStringLiteral("Подробные сведения — ") + Name(true));
        Read(false);
        QCOMPARE(TreeText(*window->Tree->model()), ReportText(file));
        form_->Details->ShowDvdDetails();
        QCOMPARE(form_->findChildren<TDetailsWindow*>().size(), 1);
        QCOMPARE(TreeText(*window->Tree->model()), ReportText(volume));
        QTRY_VERIFY(window->isActiveWindow());
        window->setGeometry(window->geometry().adjusted(30, 20, 90, -60));
        const QRect geometry = window->geometry();
        QTest::keyClick(window->Tree, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(Open()->geometry(), geometry);
        window->btClose->click();
        QVERIFY(!window->isVisible());
        form_->Details->ShowDvdDetails();
        form_->edFilename->setText("/nonexistent/film.mkv");
        QTest::keyClick(form_->edFilename, Qt::Key_Return);
        QVERIFY(!window->isVisible());
        form_->Details->ShowDvdDetails();
        form_->close();
        QVERIFY(!window->isVisible());
    }

    // The check off the UI thread: progress by bytes read; "Отмена" stops it within 200 ms with
    // what was checked in a section of its own, which the copy carries; a finished check of a
    // clean file reads "без ошибок"; closing the window in the middle of one joins its thread.
    void integrityCheck() {
        const Sample longer{"window_verify.ts", "-f lavfi -i testsrc2=size=640x360:rate=25:duration=20 "
                                                "-c:v libx264 -preset veryfast -g 25"};
        const std::string path = MadeSample(longer);
        form_->OpenFile(path, QString::fromStdString(path));
        TDetailsWindow* window = Open();
        TIntegrityCheck* check = window->Check;
        check->btVerify->click();
        QTRY_VERIFY(check->Progress->value() > 0);
        QElapsedTimer timer;
        timer.start();
        check->btCancel->click();
        QTRY_VERIFY_WITH_TIMEOUT(!check->Running(), 2000);
        QVERIFY2(timer.elapsed() < TimeBound(200ms).count(), qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(check->Verdict->text(), QStringLiteral("Проверка целостности: прервана, проверено не всё"));
        window->btCopy->click();
        QVERIFY(QApplication::clipboard()->text().contains("\nПроверка целостности\n  Проверка\n    Итог: прервана"));
        check->btVerify->click();
        window->close();
        QVERIFY(!check->Running());
        Read(false);
        Open()->Check->btVerify->click();
        QTRY_VERIFY_WITH_TIMEOUT(!check->Running(), 10000);
        QCOMPARE(check->Verdict->text(), QStringLiteral("Проверка целостности: без ошибок"));
        Read(true);
        QVERIFY(!check->btVerify->isVisible());
    }

    // Ten thousand chapters within a second; hovering a row whose value is too long for its column
    // shows the value whole, a short one nothing.
    void largeReportFillsWithinASecondAndShowsLongValuesWhole() {
        const std::string longTitle(400, 'w');
        FakeMediaScript script;
        script.details = MediaDetails{};
        script.details->tags = {{"title", longTitle}, {"artist", "Someone"}};
        for (int i = 0; i < 10000; ++i)
            script.details->chapters.push_back({i * 60.0, i * 60.0 + 60, "Глава " + std::to_string(i + 1)});
        const ScopedFakeMediaDetector detector(script);
        const TempDir folder;
        const std::string path = folder.File("large.mkv");
        QElapsedTimer timer;
        timer.start();
        form_->OpenFile(path, QString::fromStdString(path));
        TReportView* tree = Open()->Tree;
        QVERIFY(QTest::qWaitForWindowExposed(tree));
        QVERIFY2(timer.elapsed() < TimeBound(1000ms).count(), qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(TreeText(*tree->model()), ReportText(FileDetailsReport(form_->Lumora)));
        const auto rowOf = [&](const std::string& value) {
            const QModelIndex first = tree->model()->index(0, 1, tree->model()->index(0, 0));
            const QModelIndex found =
                tree->model()->match(first, Qt::DisplayRole, QString::fromStdString(value)).value(0);
            return tree->visualRect(found.siblingAtColumn(0)).center();
        };
        QCOMPARE(ToolTipAt(tree->viewport(), rowOf("Someone")), QString());
        QCOMPARE(ToolTipAt(tree->viewport(), rowOf(longTitle)), QString::fromStdString(longTitle));
    }

private:
    // Reads the sample on its page through "..."; the page's report as the reading left it.
    Report Read(bool dvd) {
        form_->PageControl1->setCurrentIndex(dvd ? 1 : 0);
        (dvd ? form_->btOpenDVD : form_->btOpenFile)->click();
        return dvd ? DvdDetailsReport(form_->Lumora) : FileDetailsReport(form_->Lumora);
    }
    QString Name(bool dvd) const {
        return dvd ? QString::fromStdString(DvdDetailsName(form_->Lumora)) : QFileInfo(file_).fileName();
    }
    // The details of the page in front.
    TDetailsWindow* Open() {
        form_->Details->ShowPageDetails();
        return form_->Details->Window();
    }

    QString file_;
    QString volume_;
    std::unique_ptr<TForm1> form_;
};

QTEST_MAIN(DetailsWindowTest)
#include "details_window_test.moc"
