// The third page's pick-only lists: case-insensitive alphabetical order as items are added,
// duplicates kept, the selection staying on its item.
#include <QtTest>
#include <memory>

#include "app/lumora_demo_unit.h"
#include "app/sorted_combo_box.h"
#include "tests/support/widget_texts.h"

using lumora::testing::Items;

class SortedComboBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = std::make_unique<TForm1>(); }
    void cleanup() { form_.reset(); }

    void everyListOfTheThirdPage_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"cbVideoCodecs", "cbAudioCodecs", "cbDirectShowFilters", "cbVideoCaptureDevices",
              "cbAudioCaptureDevices", "cbTVTuners", "cbAudioOutputDevices"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyListOfTheThirdPage() {
        QFETCH(QString, name);
        auto* box = form_->findChild<TSortedComboBox*>(name);
        QVERIFY(box);
        for (const char* item : {"libx264 — H.264", "aac — AAC", "FLAC — Free Lossless", "aac — AAC", "Zmbv"})
            box->addItem(QString::fromUtf8(item));
        QCOMPARE(Items(*box),
                 (QStringList{"aac — AAC", "aac — AAC", "FLAC — Free Lossless", "libx264 — H.264", "Zmbv"}));
    }

    // Names equal but for case keep the order they came in, one after another.
    void equalNamesKeepTheirOrder() {
        TSortedComboBox box;
        for (const char* item : {"beta", "Alpha", "gamma", "alpha", "Beta", "ALPHA", "beta"})
            box.addItem(QString::fromLatin1(item));
        QCOMPARE(Items(box), (QStringList{"Alpha", "alpha", "ALPHA", "beta", "Beta", "beta", "gamma"}));
    }

    void cyrillicFoldsCase() {
        TSortedComboBox box;
        box.addItems({QStringLiteral("Яблоко"), QStringLiteral("банан"), QStringLiteral("Арбуз"),
                      QStringLiteral("арбуз"), QStringLiteral("Банан")});
        QCOMPARE(Items(box),
                 (QStringList{QStringLiteral("Арбуз"), QStringLiteral("арбуз"), QStringLiteral("банан"),
                              QStringLiteral("Банан"), QStringLiteral("Яблоко")}));
    }

    // However an item is put in, it lands in its place.
    void insertedItemsAreSortedToo() {
        TSortedComboBox box;
        box.addItems({QStringLiteral("m"), QStringLiteral("c")});
        box.insertItem(0, QStringLiteral("x"));
        box.insertItem(1, QStringLiteral("a"));
        QCOMPARE(Items(box), (QStringList{"a", "c", "m", "x"}));
    }

    void selectionFollowsItsItem() {
        TSortedComboBox box;
        box.addItems({QStringLiteral("mpeg4"), QStringLiteral("ffv1")});
        box.setCurrentIndex(0);
        QCOMPARE(box.currentText(), QStringLiteral("ffv1"));
        box.setCurrentIndex(1);
        box.addItem(QStringLiteral("aac"));
        QCOMPARE(box.currentText(), QStringLiteral("mpeg4"));
        QCOMPARE(box.currentIndex(), 2);
    }

private:
    std::unique_ptr<TForm1> form_;
};

QTEST_MAIN(SortedComboBoxTest)
#include "sorted_combo_box_test.moc"
