// The window as a whole: caption, fixed size, title-bar buttons, place, font, icon, the page
// control and its fully visible page tabs.
#include <QFile>
#include <QFontInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/lumora_demo_unit.h"

class WindowPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = std::make_unique<TForm1>(); }
    void cleanup() { form_.reset(); }

    void captionAndPlace() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Информация о видеофайле"));
        QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form_->pos(), QPoint(265, 276));
    }

    void clientAreaIsFixed() {
        QCOMPARE(form_->size(), QSize(377, 364));
        QCOMPARE(form_->minimumSize(), QSize(377, 364));
        QCOMPARE(form_->maximumSize(), QSize(377, 364));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->resize(600, 500);
        QCOMPARE(form_->size(), QSize(377, 364));
    }

    void minimiseButNoMaximise() {
        const Qt::WindowFlags flags = form_->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->showMinimized();
        QTRY_VERIFY(form_->isMinimized());
    }

    void firstPageInFront() {
        QTabWidget* pages = form_->PageControl1;
        QCOMPARE(pages->geometry(), QRect(0, 0, 377, 364));
        QCOMPARE(pages->tabPosition(), QTabWidget::North);
        QCOMPARE(pages->count(), 3);
        const QStringList captions = {QStringLiteral("Информация о видеофайле"),
                                      QStringLiteral("Информация о DVD"),
                                      QStringLiteral("Фильтры и кодеки ")};
        const QStringList names = {QStringLiteral("TabSheet1"), QStringLiteral("TabSheet2"),
                                   QStringLiteral("TabSheet3")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            QCOMPARE(pages->widget(i)->objectName(), names[i]);
        }
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QCOMPARE(pages->currentWidget(), form_->TabSheet1);
        QVERIFY(form_->TabSheet1->isVisible());
        QVERIFY(!form_->TabSheet2->isVisible());
    }

    // The three tabs sit side by side within the window, each wide enough for its whole caption,
    // with no scroll arrows.
    void pageTabsFullyVisible() {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QTabBar* bar = form_->PageControl1->tabBar();
        QCOMPARE(bar->elideMode(), Qt::ElideNone);
        const QRect window = form_->rect();
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab(bar->mapTo(form_.get(), bar->tabRect(i).topLeft()), bar->tabRect(i).size());
            QVERIFY2(window.contains(tab), qPrintable(bar->tabText(i)));
            QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
            QVERIFY(bar->fontMetrics().horizontalAdvance(bar->tabText(i)) < bar->tabRect(i).width());
        }
        for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
            QVERIFY(!arrow->isVisible());
    }

    void fontIsTahomaEightPoint() {
        QCOMPARE(form_->font().pixelSize(), 11);
        QCOMPARE(form_->list->font().pixelSize(), 11);
        if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
            QSKIP("wine's Tahoma is not installed; the system's sans is used");
        QCOMPARE(QFontInfo(form_->font()).family(), QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(form_->edFilename->font()).family(), QStringLiteral("Tahoma"));
    }

    void iconInEverySize() {
        const QList<QSize> sizes = form_->windowIcon().availableSizes();
        for (const int size : {16, 24, 32, 48, 128})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }

private:
    std::unique_ptr<TForm1> form_;
};

QTEST_MAIN(WindowPropertiesTest)
#include "window_properties_test.moc"
