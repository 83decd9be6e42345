// The DVD page: "..." asks for an .ifo file and lists the volume's titles; selecting a title
// shows its video line, audio lines and subtitle lines. The navigator is a scripted fake.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/lumora_demo_unit.h"
#include "tests/support/fake_dvd.h"
#include "tests/support/widget_texts.h"

using namespace lumora::testing;

namespace {

const QString kPath = QStringLiteral("/media/disc/VIDEO_TS/VIDEO_TS.IFO");
const QString kOtherPath = QStringLiteral("/media/other/VIDEO_TS/VTS_01_0.IFO");

std::vector<FakeDvdTitle> ThreeTitles() {
    return {
        {{0, 42, 7, 3},
         FakeTitleAttributes(
             DVD_VideoCompression_MPEG2, 720, 576, 16, 9,
             {FakeAudio(DVD_AudioFormat_AC3, 6, 0x0409), FakeAudio(DVD_AudioFormat_LPCM, 2, 0)},
             {0x0419, 0})},
        {{1, 5, 3, 0}, FakeTitleAttributes(DVD_VideoCompression_MPEG1, 352, 288, 4, 3)},
        {{0, 0, 2, 0},
         FakeTitleAttributes(DVD_VideoCompression_Other, 720, 480, 4, 3,
                             {FakeAudio(DVD_AudioFormat_MPEG1_DRC, 2, 0x0407)}, {0x0407})},
    };
}

}  // namespace

class DvdPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fake_ = std::make_unique<FakeDvd>();
        fake_->setup.script = ThreeTitles();
        installed_ = fake_->Install();
        form_ = std::make_unique<TForm1>();
        form_->OpenDialog2.SetChooser([this](QWidget*, const TOpenDialog& dialog) {
            askedFilters_ << dialog.FilterName();
            return answer_;
        });
        askedFilters_.clear();
        answer_ = kPath;
        form_->PageControl1->setCurrentWidget(form_->TabSheet2);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void cleanup() {
        form_.reset();
        installed_.reset();
        fake_.reset();
    }

    void theBusyCursorShowsWhileTheVolumeIsRead() {
        std::optional<Qt::CursorShape> during;
        fake_->setup.onRender = [&] {
            if (const QCursor* cursor = QApplication::overrideCursor()) during = cursor->shape();
        };
        form_->btOpenDVD->click();
        QCOMPARE(during, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QVERIFY2(!QApplication::overrideCursor(), "restored when the reading is over");
    }

    void cancelChangesNothing() {
        answer_.reset();
        form_->btOpenDVD->click();
        QCOMPARE(askedFilters_, QStringList{QStringLiteral("IFO файл")});
        QVERIFY(fake_->record->renderedPaths.empty());
        QCOMPARE(form_->lbTitles->count(), 0);
        QVERIFY(form_->edDVD->text().isEmpty());
        QVERIFY(form_->Lumora.FileName().empty());
    }

    void titlesListedWithNothingSelected() {
        form_->btOpenDVD->click();
        QCOMPARE(form_->edDVD->text(), kPath);
        QCOMPARE(fake_->record->renderedPaths, std::vector<std::string>{kPath.toStdString()});
        QCOMPARE(Items(*form_->lbTitles),
                 (QStringList{QStringLiteral("Глава 1  [0:42:7]"), QStringLiteral("Глава 2  [1:5:3]"),
                              QStringLiteral("Глава 3  [0:0:2]")}));
        QVERIFY(form_->lbTitles->selectedItems().isEmpty());
        QVERIFY(form_->edVideo->text().isEmpty());
        QCOMPARE(form_->cbAudio->count(), 0);
    }

    void selectingATitleShowsItsLines() {
        form_->btOpenDVD->click();
        ClickTitle(0);
        QCOMPARE(form_->edVideo->text(), QStringLiteral("MPEG2 720x576 16:9 "));
        QCOMPARE(Items(*form_->cbAudio),
                 (QStringList{QStringLiteral("AC3 - 6 канала(ов) - English"),
                              QStringLiteral("LPCM - 2 канала(ов) - [Unknown language]")}));
        QCOMPARE(form_->cbAudio->currentIndex(), 0);
        QCOMPARE(form_->cbAudio->currentText(), QStringLiteral("AC3 - 6 канала(ов) - English"));
        QCOMPARE(Items(*form_->cbSubtitles),
                 (QStringList{QStringLiteral("Russian"), QStringLiteral("[Unknown language]")}));
        QCOMPARE(form_->cbSubtitles->currentText(), QStringLiteral("Russian"));
    }

    void longLinesShowFromTheirFirstCharacter() {
        form_->btOpenDVD->click();
        ClickTitle(0);
        form_->cbAudio->setCurrentIndex(1);  // as choosing the second stream does
        for (QLineEdit* line : {form_->edVideo, form_->cbAudio->lineEdit(), form_->cbSubtitles->lineEdit()})
            QCOMPARE(line->cursorPosition(), 0);
    }

    void theKeyboardSelectsToo() {
        form_->btOpenDVD->click();
        ClickTitle(1);
        form_->lbTitles->setFocus();
        QTest::keyClick(form_->lbTitles, Qt::Key_Down);
        QCOMPARE(form_->lbTitles->currentRow(), 2);
        QCOMPARE(form_->edVideo->text(), QStringLiteral("[Неизвестный формат видео] 720x480 4:3 "));
        QCOMPARE(Items(*form_->cbAudio), QStringList{QStringLiteral("MPEG1 DRC - 2 канала(ов) - German")});
    }

    void aTitleWithoutStreamsEmptiesTheBoxes() {
        form_->btOpenDVD->click();
        ClickTitle(0);
        ClickTitle(1);
        QCOMPARE(form_->edVideo->text(), QStringLiteral("MPEG1 352x288 4:3 "));
        for (QComboBox* box : {form_->cbAudio, form_->cbSubtitles}) {
            QCOMPARE(box->count(), 0);
            QCOMPARE(box->currentIndex(), -1);
            QVERIFY(box->currentText().isEmpty());
        }
    }

    void reselectingRebuildsTheSameLinesAndReplacesTypedText() {
        form_->btOpenDVD->click();
        ClickTitle(0);
        const QStringList audio = Items(*form_->cbAudio);
        form_->cbAudio->setEditText(QStringLiteral("typed"));
        form_->cbSubtitles->setEditText(QStringLiteral("typed too"));
        ClickTitle(0);
        ClickTitle(0);
        QCOMPARE(Items(*form_->cbAudio), audio);
        QCOMPARE(form_->cbSubtitles->count(), 2);
        QCOMPARE(form_->cbAudio->currentText(), audio.first());
        QCOMPARE(form_->cbSubtitles->currentText(), QStringLiteral("Russian"));
    }

    void openingAnotherDvdClearsTheBoxesAndNumbersFromOne() {
        form_->btOpenDVD->click();
        ClickTitle(0);
        fake_->setup.script = {ThreeTitles()[2]};
        answer_ = kOtherPath;
        form_->btOpenDVD->click();
        QCOMPARE(form_->edDVD->text(), kOtherPath);
        QCOMPARE(Items(*form_->lbTitles), QStringList{QStringLiteral("Глава 1  [0:0:2]")});
        QVERIFY(form_->lbTitles->selectedItems().isEmpty());
        QVERIFY2(form_->edVideo->text().isEmpty(), "no line of a volume that is no longer open");
        for (QComboBox* box : {form_->cbAudio, form_->cbSubtitles}) {
            QCOMPARE(box->count(), 0);
            QVERIFY(box->currentText().isEmpty());
        }
    }

    void aVolumeWithoutTitlesListsNothing() {
        fake_->setup.script.clear();
        fake_->setup.titles = 0;
        form_->btOpenDVD->click();
        QCOMPARE(form_->lbTitles->count(), 0);
        form_->lbTitlesClick(nullptr);
        QVERIFY(form_->edVideo->text().isEmpty());
    }

private:
    void ClickTitle(int row) {
        QListWidget* list = form_->lbTitles;
        const QRect rect = list->visualItemRect(list->item(row));
        QVERIFY(rect.isValid());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(list->currentRow(), row);
    }

    std::unique_ptr<FakeDvd> fake_;
    std::unique_ptr<ScopedClassOverride> installed_;
    std::unique_ptr<TForm1> form_;
    std::optional<QString> answer_;
    QStringList askedFilters_;
};

QTEST_MAIN(DvdPageTest)
#include "dvd_page_test.moc"
