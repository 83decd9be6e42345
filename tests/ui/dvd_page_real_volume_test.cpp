// The DVD page over the real navigator: a volume authored at test time, opened by its .ifo file.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/lumora_demo_unit.h"
#include "app/page_text/dvd_page_lines.h"
#include "platform/hidden_window.h"
#include "tests/integration/dvd/dvd_test_volumes.h"

using namespace lumora::testing;

class DvdPageRealVolumeTest : public QObject {
    Q_OBJECT

private slots:
    void browsingTheTitlesOfAnAuthoredVolume() {
        std::string why;
        const auto volumes = TestVolumes(&why);
        if (!volumes) QSKIP(("SKIPPED LOUDLY: " + why).c_str());
        const QString ifo = QString::fromStdString((*volumes / "pal_mixed/VIDEO_TS/VIDEO_TS.IFO").string());

        TForm1 form;
        form.OpenDialog2.SetChooser(
            [&](QWidget*, const TOpenDialog&) { return std::optional<QString>(ifo); });
        form.PageControl1->setCurrentWidget(form.TabSheet2);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.btOpenDVD->click();
        QCOMPARE(LiveHiddenOwnerWindows(), size_t{0});

        const TKx_DVD_Titles& titles = form.Lumora.DVDInfo().Titles;
        QCOMPARE(form.lbTitles->count(), 4);
        QCOMPARE(titles.Count(), 4);
        for (int row = 0; row < form.lbTitles->count(); ++row) {
            const QRect rect = form.lbTitles->visualItemRect(form.lbTitles->item(row));
            QTest::mouseClick(form.lbTitles->viewport(), Qt::LeftButton, {}, rect.center());
            const TKx_DVD_TitleInfo& title = titles.Items(row);
            QCOMPARE(form.lbTitles->item(row)->text().toStdString(), DvdTitleLine(row, title));
            QCOMPARE(form.edVideo->text().toStdString(), DvdVideoLine(title.TitleAttributes));
            QCOMPARE(static_cast<size_t>(form.cbAudio->count()), DvdAudioLines(title.TitleAttributes).size());
            QCOMPARE(static_cast<size_t>(form.cbSubtitles->count()),
                     DvdSubtitleLines(title.TitleAttributes).size());
        }
        QCOMPARE(form.edVideo->text(), QStringLiteral("MPEG1 352x576 4:3 "));
        QCOMPARE(form.cbAudio->currentText(), QStringLiteral("MPEG1 DRC - 2 канала(ов) - French"));
    }
};

QTEST_MAIN(DvdPageRealVolumeTest)
#include "dvd_page_real_volume_test.moc"
