// The filters and codecs page: FormCreate fills the seven lists from the catalogue, the settings
// buttons follow the Has checks, and a click opens the codec's or filter's dialog. The catalogue
// is a scripted fake enumerator, except in the last test, which opens a real encoder's dialog.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/dialogs/property_frame_dialog.h"
#include "app/dialogs/qt_dialog_host.h"
#include "app/lumora_demo_unit.h"
#include "app/page_text/drop_down_order.h"
#include "tests/support/fake_catalogue.h"
#include "tests/support/widget_texts.h"

using fakes::FakeFilter;
using fakes::FakePlatform;
using fakes::Named;
using fakes::RecordingHost;
using lumora::testing::Items;
using lumora::testing::Texts;

namespace {

// Hands the next modal window to `inspect`, then closes it.
void CloseNextModal(std::function<void(QWidget*)> inspect) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        inspect(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    timer->start();
}

// Picks another item as the user does, with the keyboard on the closed list.
void PickNext(QComboBox* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
}

}  // namespace

class CataloguePageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        platform_ = std::make_unique<FakePlatform>();
        host_ = std::make_unique<RecordingHost>();
        installed_ = std::make_unique<ScopedDialogHost>(host_.get());
        pages_ = std::make_unique<ScopedClassOverride>(fakes::CLSID_FakePage, [](const IID& iid, void** out) {
            return CreateComObject<fakes::FakePage>(iid, out);
        });
    }
    void cleanup() {
        pages_.reset();
        installed_.reset();
        host_.reset();
        platform_.reset();
    }

    void formCreateFillsEveryListInDropDownOrderAndSelectsTheFirst() {
        platform_->Category(CLSID_VideoCompressorCategory).members = {Named("zeta"), Named("Beta"),
                                                                      Named("alpha"), Named("beta")};
        platform_->Category(CLSID_AudioCompressorCategory).members = {Named("mp3"), Named("AAC")};
        platform_->Category(CLSID_LegacyAmFilterCategory).members = {Named("scale"), Named("Crop")};
        platform_->Category(CLSID_VideoInputDeviceCategory).members = {Named("Камера"), Named("Webcam")};
        platform_->Category(CLSID_AudioInputDeviceCategory).members = {Named("Mic")};
        platform_->Category(AM_KSCATEGORY_TVTUNER).members = {Named("DVB-T")};
        TForm1 form;
        form.DoCreate();

        QCOMPARE(Items(*form.cbVideoCodecs), (QStringList{"alpha", "Beta", "beta", "zeta"}));
        QCOMPARE(form.cbVideoCodecs->currentText(), QStringLiteral("alpha"));
        QCOMPARE(Items(*form.cbAudioCodecs), (QStringList{"AAC", "mp3"}));
        QCOMPARE(form.cbAudioCodecs->currentIndex(), 0);
        QCOMPARE(Items(*form.cbDirectShowFilters), (QStringList{"Crop", "scale"}));
        QCOMPARE(Items(*form.cbVideoCaptureDevices), (QStringList{"Webcam", QStringLiteral("Камера")}));
        QCOMPARE(form.cbVideoCaptureDevices->currentIndex(), 0);
        QCOMPARE(Items(*form.cbAudioCaptureDevices), QStringList{"Mic"});
        QCOMPARE(Items(*form.cbTVTuners), QStringList{"DVB-T"});
        QCOMPARE(form.cbAudioOutputDevices->count(), 0);
        QCOMPARE(form.cbAudioOutputDevices->currentIndex(), -1);
    }

    // The lists order as lumora_info prints: by folded code points (ß is not "ss").
    void listsOrderAsLumoraInfoPrints() {
        const std::vector<std::string> names = {"ßa", "sz", "st", "Σίσυφος", "ёж", "Ежи",
                                                "ǅ",  "dz", "é",  "f",       "😀"};
        TSortedComboBox box;
        box.addItems(Texts(names));
        QCOMPARE(Items(box), Texts(DropDownOrder(names)));
    }

    void settingsButtonsFollowTheHasChecks() {
        FilterLog videoLog;
        platform_->Category(CLSID_VideoCompressorCategory).members = {
            Named("a codec", FakeFilter::Make({.compressQuery = S_OK}, &videoLog)),
            Named("b codec", FakeFilter::Make({})),
            Named("c codec", FakeFilter::Make({.pagesQuery = S_OK})),
        };
        platform_->Category(CLSID_AudioCompressorCategory).members = {Named("plain", FakeFilter::Make({}))};
        platform_->Category(CLSID_LegacyAmFilterCategory).members = {
            Named("filter", FakeFilter::Make({.pagesQuery = S_OK}))};
        TForm1 form;
        form.DoCreate();
        QVERIFY(form.btVideoSettings->isEnabled());  // a compressor configuration counts
        QVERIFY(!form.btAudioSettings->isEnabled());
        QVERIFY(form.btDSSettings->isEnabled());
        QVERIFY(host_->frames.empty() && host_->configs.empty());  // checks show nothing

        PickNext(form.cbVideoCodecs);
        QCOMPARE(form.cbVideoCodecs->currentText(), QStringLiteral("b codec"));
        QVERIFY(!form.btVideoSettings->isEnabled());
        PickNext(form.cbVideoCodecs);
        QCOMPARE(form.cbVideoCodecs->currentText(), QStringLiteral("c codec"));
        QVERIFY(form.btVideoSettings->isEnabled());
    }

    void aClickOpensThePropertyPagesBeforeTheCompressorConfiguration() {
        FilterLog bothLog, configLog;
        platform_->Category(CLSID_VideoCompressorCategory).members = {
            Named("both",
                  FakeFilter::Make({.name = "libboth", .pagesQuery = S_OK, .compressQuery = S_OK}, &bothLog)),
            Named("config only", FakeFilter::Make({.name = "libconfig", .compressQuery = S_OK}, &configLog)),
        };
        platform_->Category(CLSID_LegacyAmFilterCategory).members = {
            Named("filter", FakeFilter::Make({.name = "filter's own name", .pagesQuery = S_OK}))};
        TForm1 form;
        form.DoCreate();
        form.btVideoSettings->click();
        QCOMPARE(host_->frames.size(), size_t{1});
        QCOMPARE(host_->frames[0].caption, std::string("libboth"));
        QVERIFY(bothLog.compressShowCalls.empty());  // not even queried: the pages came first

        PickNext(form.cbVideoCodecs);
        form.btVideoSettings->click();
        QCOMPARE(host_->frames.size(), size_t{1});
        QVERIFY(!configLog.compressShowCalls.empty());
        QCOMPARE(configLog.compressShowCalls.back(), std::make_pair(int(VfwCompressDialog_Config), HWND{}));

        form.btDSSettings->click();
        QCOMPARE(host_->frames.size(), size_t{2});
        QCOMPARE(host_->frames[1].caption, std::string("filter's own name"));
    }

    void anEmptyListLeavesItsButtonEnabledAndAClickDoesNothing() {
        platform_->Category(CLSID_AudioCompressorCategory).result = S_FALSE;
        platform_->Category(CLSID_VideoCompressorCategory).members = {
            Named("", FakeFilter::Make({.pagesQuery = S_OK}))};
        TForm1 form;
        form.DoCreate();
        QCOMPARE(form.cbAudioCodecs->count(), 0);
        QVERIFY(form.btAudioSettings->isEnabled());
        QVERIFY(form.btDSSettings->isEnabled());
        form.btAudioSettings->click();
        form.btDSSettings->click();
        QVERIFY(host_->frames.empty());
    }

    void aFailingCatalogueIsReportedAndLeavesThePageEmpty() {
        platform_->Category(CLSID_AudioCompressorCategory).members = {Named("aac")};
        platform_->Category(CLSID_VideoCompressorCategory).members = {Named("mpeg4")};
        platform_->failAfter = 2;  // the third category cannot be read
        TForm1 form;
        QString message;
        CloseNextModal([&](QWidget* box) {
            if (auto* messageBox = qobject_cast<QMessageBox*>(box)) {
                message = messageBox->text();
                QCOMPARE(messageBox->icon(), QMessageBox::Critical);
                messageBox->done(QMessageBox::Ok);
            }
        });
        form.DoCreate();
        QVERIFY2(message.contains(QStringLiteral("0x80040154")), qPrintable(message));
        for (const QComboBox* box :
             {static_cast<QComboBox*>(form.cbVideoCodecs), static_cast<QComboBox*>(form.cbAudioCodecs),
              static_cast<QComboBox*>(form.cbDirectShowFilters), static_cast<QComboBox*>(form.cbTVTuners)})
            QCOMPARE(box->count(), 0);
        QVERIFY(form.btVideoSettings->isEnabled());
        QVERIFY(form.btAudioSettings->isEnabled());
        QVERIFY(form.btDSSettings->isEnabled());
    }

    // The real catalogue and the application's dialog host: mpeg4's options page opens modally
    // and the test closes it.
    void aClickOpensARealEncodersDialog() {
        cleanup();
        QtDialogHost host;
        const ScopedDialogHost installed(&host);
        TForm1 form;
        form.DoCreate();
        QVERIFY(form.cbVideoCodecs->count() > 0);
        QCOMPARE(form.cbVideoCodecs->currentText(),
                 QString::fromStdString(DropDownOrder(form.Lumora.List_VideoCodecs()).front()));
        const int mpeg4 = form.cbVideoCodecs->findText(QStringLiteral("mpeg4 \u2014 MPEG-4 part 2"));
        QVERIFY(mpeg4 >= 0);
        form.cbVideoCodecs->setCurrentIndex(mpeg4);
        emit form.cbVideoCodecs->activated(mpeg4);
        QVERIFY(form.btVideoSettings->isEnabled());

        QString caption;
        int rows = 0;
        bool ownerless = false;
        CloseNextModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            ownerless = modal->parentWidget() == nullptr;
            if (auto* table = modal->findChild<QTableWidget*>(QStringLiteral("options")))
                rows = table->rowCount();
        });
        form.btVideoSettings->click();
        QCOMPARE(caption, QStringLiteral("mpeg4"));
        QVERIFY(ownerless);
        QVERIFY(rows > 20);
    }

private:
    using FilterLog = fakes::FilterLog;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<RecordingHost> host_;
    std::unique_ptr<ScopedDialogHost> installed_;
    std::unique_ptr<ScopedClassOverride> pages_;
};

QTEST_MAIN(CataloguePageTest)
#include "catalogue_page_test.moc"
