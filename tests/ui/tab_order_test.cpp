// Tab moves through the visible page's controls in the designed order, skipping the labels, and
// comes back round through the page tabs.
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/lumora_demo_unit.h"

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = std::make_unique<TForm1>();
        form_->show();
        form_->activateWindow();
    }
    void cleanup() { form_.reset(); }

    void page_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("file") << 0 << QStringList{"edFilename", "btOpenFile", "list"};
        QTest::newRow("dvd") << 1 << QStringList{"edDVD",   "btOpenDVD", "lbTitles",
                                                 "edVideo", "cbAudio",   "cbSubtitles"};
        QTest::newRow("catalogue") << 2
                                   << QStringList{
                                          "cbVideoCodecs",         "btVideoSettings",       "cbAudioCodecs",
                                          "btAudioSettings",       "cbDirectShowFilters",   "btDSSettings",
                                          "cbVideoCaptureDevices", "cbAudioCaptureDevices", "cbTVTuners",
                                          "cbAudioOutputDevices"};
    }
    void page() {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        form_->PageControl1->setCurrentIndex(page);
        QTabBar* tabs = form_->PageControl1->tabBar();
        tabs->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), tabs);

        QStringList visited;
        for (qsizetype step = 0; step <= order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            // An editable combo box passes its focus to its text field: name the page's control.
            while (focused && focused != tabs &&
                   focused->parentWidget() != form_->PageControl1->currentWidget())
                focused = focused->parentWidget();
            QVERIFY(focused);
            visited << (focused == tabs ? QStringLiteral("<tabs>") : focused->objectName());
        }
        QCOMPARE(visited, order + QStringList{QStringLiteral("<tabs>")});
        QCOMPARE(form_->PageControl1->currentIndex(), page);
    }

private:
    std::unique_ptr<TForm1> form_;
};

QTEST_MAIN(TabOrderTest)
#include "tab_order_test.moc"
