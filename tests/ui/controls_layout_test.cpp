// Every control of the three pages: name, kind, caption, place and size, starting state.
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/lumora_demo_unit.h"
#include "app/sorted_combo_box.h"

namespace {

enum class Kind { Label, Edit, Button, ListBox, EditableCombo, SortedList };

struct ControlRow {
    const char* name;
    int page;  // 1 .. 3
    Kind kind;
    const char* caption;
    int left, top, width, height;
};

// The designed layout, at 96 pixels per inch.
constexpr ControlRow kControls[] = {
    {"Label1", 1, Kind::Label, "Исходный файл:", 8, 8, 84, 13},
    {"edFilename", 1, Kind::Edit, "", 8, 24, 321, 21},
    {"btOpenFile", 1, Kind::Button, "...", 333, 22, 26, 25},
    {"list", 1, Kind::ListBox, "", 8, 56, 353, 273},

    {"Label2", 2, Kind::Label, "Исходный DVD IFO файл:", 8, 8, 128, 13},
    {"Label3", 2, Kind::Label, "Главы:", 8, 51, 36, 13},
    {"Label4", 2, Kind::Label, "Видео:", 167, 51, 35, 13},
    {"Label5", 2, Kind::Label, "Аудиопотоки:", 167, 97, 72, 13},
    {"Label6", 2, Kind::Label, "Субтитры:", 167, 143, 55, 13},
    {"edDVD", 2, Kind::Edit, "", 8, 24, 321, 21},
    {"btOpenDVD", 2, Kind::Button, "...", 333, 22, 26, 25},
    {"lbTitles", 2, Kind::ListBox, "", 8, 70, 153, 113},
    {"edVideo", 2, Kind::Edit, "", 167, 70, 194, 21},
    {"cbAudio", 2, Kind::EditableCombo, "", 166, 116, 195, 21},
    {"cbSubtitles", 2, Kind::EditableCombo, "", 166, 162, 195, 21},

    {"Label7", 3, Kind::Label, "Видео кодеки:", 8, 8, 75, 13},
    {"Label8", 3, Kind::Label, "Аудио кодеки:", 8, 54, 76, 13},
    {"Label9", 3, Kind::Label, "Фильтры DirectShow:", 8, 100, 107, 13},
    {"Label10", 3, Kind::Label, "Устройства захвата видео:", 9, 146, 141, 13},
    {"Label11", 3, Kind::Label, "Устройства захвата аудио:", 9, 192, 141, 13},
    {"Label12", 3, Kind::Label, "TV тюнеры:", 9, 238, 60, 13},
    {"Label13", 3, Kind::Label, "Устройства аудиовывода:", 9, 284, 136, 13},
    {"cbVideoCodecs", 3, Kind::SortedList, "", 8, 27, 273, 21},
    {"btVideoSettings", 3, Kind::Button, "Настройки", 288, 25, 75, 25},
    {"cbAudioCodecs", 3, Kind::SortedList, "", 8, 73, 273, 21},
    {"btAudioSettings", 3, Kind::Button, "Настройки", 288, 71, 75, 25},
    {"cbDirectShowFilters", 3, Kind::SortedList, "", 8, 119, 273, 21},
    {"btDSSettings", 3, Kind::Button, "Настройки", 288, 117, 75, 25},
    {"cbVideoCaptureDevices", 3, Kind::SortedList, "", 9, 165, 352, 21},
    {"cbAudioCaptureDevices", 3, Kind::SortedList, "", 9, 211, 352, 21},
    {"cbTVTuners", 3, Kind::SortedList, "", 9, 257, 352, 21},
    {"cbAudioOutputDevices", 3, Kind::SortedList, "", 9, 303, 352, 21},
};

// Labels size themselves to their caption; in wine's Tahoma their size differs from the design's
// by a few pixels (the design's text height is 13).
constexpr int kLabelSizeTolerance = 5;

}  // namespace

Q_DECLARE_METATYPE(Kind)

class ControlsLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = std::make_unique<TForm1>(); }
    void cleanup() { form_.reset(); }

    void control_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        for (const ControlRow& row : kControls)
            QTest::newRow(row.name) << row.page << row.kind << QString::fromUtf8(row.caption)
                                    << QRect(row.left, row.top, row.width, row.height);
    }
    void control() {
        QFETCH(int, page);
        QFETCH(Kind, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        const QString name = QString::fromLatin1(QTest::currentDataTag());

        const QList<QWidget*> found = form_->findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QWidget* control = found.first();
        QCOMPARE(control->parentWidget(), form_->PageControl1->widget(page - 1));
        QVERIFY(control->isEnabled());
        QVERIFY(!control->isHidden());
        QVERIFY(control->toolTip().isEmpty());

        switch (kind) {
            case Kind::Label: {
                auto* label = qobject_cast<QLabel*>(control);
                QVERIFY(label);
                QCOMPARE(label->text(), caption);
                QCOMPARE(label->pos(), geometry.topLeft());
                QCOMPARE(label->size(), label->sizeHint());  // the whole caption shows
                if (QFontInfo(label->font()).family() == QStringLiteral("Tahoma")) {
                    QVERIFY2(qAbs(label->width() - geometry.width()) <= kLabelSizeTolerance,
                             qPrintable(QString::number(label->width())));
                    QVERIFY2(qAbs(label->height() - geometry.height()) <= 2,
                             qPrintable(QString::number(label->height())));
                }
                return;
            }
            case Kind::Edit: {
                auto* edit = qobject_cast<QLineEdit*>(control);
                QVERIFY(edit);
                QVERIFY(edit->text().isEmpty());
                QVERIFY(!edit->isReadOnly());
                break;
            }
            case Kind::Button: {
                auto* button = qobject_cast<QPushButton*>(control);
                QVERIFY(button);
                QCOMPARE(button->text(), caption);
                QVERIFY(button->shortcut().isEmpty());
                break;
            }
            case Kind::ListBox: {
                auto* box = qobject_cast<QListWidget*>(control);
                QVERIFY(box);
                QCOMPARE(box->count(), 0);
                QVERIFY(!box->isSortingEnabled());
                box->addItems({QStringLiteral("b"), QStringLiteral("a")});
                QCOMPARE(box->item(0)->text(), QStringLiteral("b"));
                QCOMPARE(box->sizeHintForRow(0), 13);
                break;
            }
            case Kind::EditableCombo: {
                auto* box = qobject_cast<QComboBox*>(control);
                QVERIFY(box);
                QVERIFY(!qobject_cast<TSortedComboBox*>(control));
                QVERIFY(box->isEditable());
                QCOMPARE(box->count(), 0);
                QVERIFY(box->currentText().isEmpty());
                box->addItems({QStringLiteral("b"), QStringLiteral("a")});
                QCOMPARE(box->itemText(0), QStringLiteral("b"));
                break;
            }
            case Kind::SortedList: {
                auto* box = qobject_cast<TSortedComboBox*>(control);
                QVERIFY(box);
                QVERIFY(!box->isEditable());
                QCOMPARE(box->count(), 0);
                QCOMPARE(box->currentIndex(), -1);
                break;
            }
        }
        QCOMPARE(control->geometry(), geometry);
    }

    // No control beyond the table sits on a page.
    void everyControlIsListed() {
        for (int page = 1; page <= 3; ++page) {
            QStringList expected;
            for (const ControlRow& row : kControls)
                if (row.page == page) expected << QString::fromLatin1(row.name);
            QStringList actual;
            for (const QWidget* child :
                 form_->PageControl1->widget(page - 1)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                actual << child->objectName();
            expected.sort();
            actual.sort();
            QCOMPARE(actual, expected);
        }
    }

    // Text typed into the DVD page's combo boxes is never added as an item.
    void typedTextIsNotAnItem() {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->PageControl1->setCurrentWidget(form_->TabSheet2);
        for (QComboBox* box : {form_->cbAudio, form_->cbSubtitles}) {
            QTest::keyClicks(box, QStringLiteral("English"));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->count(), 0);
            QCOMPARE(box->currentText(), QStringLiteral("English"));
        }
    }

private:
    std::unique_ptr<TForm1> form_;
};

QTEST_MAIN(ControlsLayoutTest)
#include "controls_layout_test.moc"
