// The platform's dialogs as the application draws them: property frame, options page,
// compressor about box, capture dialog, and the host that shows them modally.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "app/dialogs/capture_dialog.h"
#include "app/dialogs/compressor_about_dialog.h"
#include "app/dialogs/options_page_widget.h"
#include "app/dialogs/property_frame_dialog.h"
#include "app/dialogs/qt_dialog_host.h"

namespace {

OptionDescription Option(std::string group, std::string name, std::string type, std::string value,
                         bool editable = true) {
    OptionDescription option;
    option.group = std::move(group);
    option.name = std::move(name);
    option.type = std::move(type);
    option.help = "help of " + option.name;
    option.defaultValue = value;
    option.currentValue = value;
    option.editable = editable;
    return option;
}

// A page over a map of values that refuses "bad".
struct FakeObject {
    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> calls;

    OptionPage Page() {
        OptionPage page;
        page.title = "Options";
        page.options = {Option("enc", "crf", "float", "23"), Option("enc", "preset", "string", "medium"),
                        Option("enc", "fixed", "int", "1", false), Option("child", "threads", "int", "0")};
        page.options[0].minimum = "-1";
        page.options[0].maximum = "51";
        page.options[1].choices = {{"fast", "fast", ""}, {"slow", "slow", "slower, smaller"}};
        for (const auto& option : page.options)
            values[option.name] = option.currentValue;
        page.setOption = [this](const std::string& name, const std::string& value) {
            calls.emplace_back(name, value);
            OptionSetResult result;
            if (value == "bad") {
                result.hr = E_INVALIDARG;
                result.message = "'bad' is not a valid value of '" + name + "'";
            } else {
                values[name] = value;
            }
            result.currentValue = values[name];
            return result;
        };
        return page;
    }
};

// Closes the next modal dialog as soon as it is shown, handing it to `inspect` first.
void CloseNextModal(std::function<void(QDialog*)> inspect = {}) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        if (inspect) inspect(dialog);
        dialog->reject();
    });
    timer->start();
}

}  // namespace

class TestPlatformDialogs : public QObject {
    Q_OBJECT

private slots:
    void frameHasOneTabPerPageAndTheCaption() {
        FakeObject first, second;
        OptionPage other = second.Page();
        other.title = "Second";
        const PropertyFrameDialog dialog(PropertyFrameDescription{"libfake", {first.Page(), other}});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("libfake"));
        QVERIFY(dialog.isModal());
        auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("pages"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), QStringLiteral("Second"));
        QVERIFY(dialog.Buttons()->button(QDialogButtonBox::Ok));
        QVERIFY(dialog.Buttons()->button(QDialogButtonBox::Cancel));
        QVERIFY(dialog.Buttons()->button(QDialogButtonBox::Apply)->isEnabled());
    }

    void frameWithoutPagesOffersOnlyOk() {
        const PropertyFrameDialog dialog(PropertyFrameDescription{"empty", {}});
        QVERIFY(!dialog.findChild<QTabWidget*>());
        QVERIFY(dialog.Buttons()->button(QDialogButtonBox::Ok));
        QVERIFY(!dialog.Buttons()->button(QDialogButtonBox::Cancel));
        QVERIFY(!dialog.Buttons()->button(QDialogButtonBox::Apply));
    }

    void pageListsEveryOptionWithItsFacts() {
        FakeObject object;
        const OptionsPageWidget page(object.Page());
        auto* table = page.findChild<QTableWidget*>(QStringLiteral("options"));
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 6);
        const int crf = page.RowOf("crf");
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("enc"));
        QCOMPARE(table->item(crf, OptionsPageWidget::kType)->text(), QStringLiteral("float"));
        QCOMPARE(table->item(crf, OptionsPageWidget::kValue)->text(), QStringLiteral("23"));
        QCOMPARE(table->item(crf, OptionsPageWidget::kDefault)->text(), QStringLiteral("23"));
        QCOMPARE(table->item(crf, OptionsPageWidget::kRange)->text(), QStringLiteral("-1 \u2026 51"));
        QCOMPARE(table->item(page.RowOf("preset"), OptionsPageWidget::kRange)->text(),
                 QStringLiteral("fast, slow"));
        QCOMPARE(table->item(crf, OptionsPageWidget::kArgument)->text(), QStringLiteral("-crf 23"));
        QVERIFY(table->item(crf, OptionsPageWidget::kHelp)->text().contains(QStringLiteral("help of crf")));
        QVERIFY(table->item(crf, OptionsPageWidget::kValue)->flags() & Qt::ItemIsEditable);
        QVERIFY(!(table->item(page.RowOf("fixed"), OptionsPageWidget::kValue)->flags() & Qt::ItemIsEditable));
        auto* box =
            qobject_cast<QComboBox*>(table->cellWidget(page.RowOf("preset"), OptionsPageWidget::kValue));
        QVERIFY2(box, "named values are picked from a list");
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->currentText(), QStringLiteral("medium"));
    }

    void editedValuesBecomeArgumentsAndApplySendsOnlyThose() {
        FakeObject object;
        OptionsPageWidget page(object.Page());
        auto* arguments = page.findChild<QLineEdit*>(QStringLiteral("arguments"));
        QVERIFY(arguments->text().isEmpty());
        page.SetValueText(page.RowOf("crf"), QStringLiteral("18"));
        auto* box =
            page.findChild<QTableWidget*>()->cellWidget(page.RowOf("preset"), OptionsPageWidget::kValue);
        qobject_cast<QComboBox*>(box)->setCurrentIndex(1);
        page.SetValueText(page.RowOf("threads"), QStringLiteral("two words"));
        QCOMPARE(arguments->text(), QStringLiteral("-crf 18 -preset slow -threads 'two words'"));

        QVERIFY(page.Apply());
        QCOMPARE(object.calls.size(), size_t{3});
        QCOMPARE(object.values["crf"], std::string("18"));
        QCOMPARE(object.values["preset"], std::string("slow"));
        page.findChild<QPushButton*>(QStringLiteral("copyArguments"))->click();
        QCOMPARE(QApplication::clipboard()->text(), arguments->text());

        object.calls.clear();
        QVERIFY(page.Apply());
        QVERIFY2(object.calls.empty(), "nothing changed since the last apply");

        OptionPage filter = object.Page();
        filter.filter = "scale";
        OptionsPageWidget scale(filter);
        scale.SetValueText(scale.RowOf("crf"), QStringLiteral("iw"));
        QCOMPARE(scale.findChild<QLineEdit*>(QStringLiteral("arguments"))->text(),
                 QStringLiteral("scale=crf=iw"));
        scale.SetValueText(scale.RowOf("threads"), QStringLiteral("a:b,c"));
        QCOMPARE(scale.findChild<QLineEdit*>(QStringLiteral("arguments"))->text(),
                 QStringLiteral("'scale=crf=iw:threads=a\\\\:b\\,c'"));
    }

    void aRefusedValueShowsWhyAndKeepsTheFrameOpen() {
        FakeObject object;
        PropertyFrameDialog dialog(PropertyFrameDescription{"libfake", {object.Page()}});
        OptionsPageWidget* page = dialog.Pages().front();
        page->SetValueText(page->RowOf("crf"), QStringLiteral("bad"));
        dialog.show();
        dialog.Buttons()->button(QDialogButtonBox::Ok)->click();
        QVERIFY2(dialog.isVisible(), "OK with a refused value does not close");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(page->findChild<QLabel*>(QStringLiteral("status"))->text().contains(QStringLiteral("'bad'")));
        QCOMPARE(page->ValueText(page->RowOf("crf")), QStringLiteral("23"));
        dialog.Buttons()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void cancelSendsNothingAndReadOnlyPagesCannotApply() {
        FakeObject object;
        PropertyFrameDialog dialog(PropertyFrameDescription{"libfake", {object.Page()}});
        dialog.Pages().front()->SetValueText(dialog.Pages().front()->RowOf("crf"), QStringLiteral("30"));
        dialog.show();
        dialog.Buttons()->button(QDialogButtonBox::Cancel)->click();
        QVERIFY(object.calls.empty());

        OptionPage readOnly = object.Page();
        readOnly.setOption = nullptr;
        const PropertyFrameDialog frozen(PropertyFrameDescription{"frozen", {readOnly}});
        QVERIFY(!frozen.Buttons()->button(QDialogButtonBox::Apply)->isEnabled());
        auto* table = frozen.findChild<QTableWidget*>();
        QVERIFY(!(table->item(frozen.Pages().front()->RowOf("crf"), OptionsPageWidget::kValue)->flags() &
                  Qt::ItemIsEditable));
    }

    void aboutAndCaptureDialogsShowTheirFacts() {
        const CompressorAboutDialog about(
            CompressorAboutDescription{"mpeg4",
                                       "MPEG-4 part 2",
                                       "FMP4",
                                       {"delay"},
                                       {},
                                       HardwareProbeAnswer{HardwareProbeResult::NoDevice, "vaapi", "", ""}});
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("availability"))->text(),
                 QStringLiteral("Available on this machine: no (no VAAPI device)"));
        OptionPage encoder{
            "Options", {}, nullptr, HardwareProbeAnswer{HardwareProbeResult::Usable, "", "", ""}};
        const OptionsPageWidget page(encoder);
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("availability"))->text(),
                 QStringLiteral("Available on this machine: yes"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("longName"))->text(),
                 QStringLiteral("MPEG-4 part 2"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("fourCC"))->text(), QStringLiteral("FMP4"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("pixelFormats"))->text(),
                 QStringLiteral("not stated"));

        CaptureDialogDescription description{
            "Camera: video format", 2, {"FourCC", "Format"}, {{"YUYV", "YUYV 4:2:2"}}};
        description.rows.push_back({"MJPG"});  // a short row leaves its other cells empty
        const CaptureDialog capture(description);
        QCOMPARE(capture.windowTitle(), QStringLiteral("Camera: video format"));
        QCOMPARE(capture.Table()->rowCount(), 2);
        QCOMPARE(capture.Table()->item(0, 1)->text(), QStringLiteral("YUYV 4:2:2"));
        QVERIFY(!capture.Table()->item(1, 1));
    }

    void hostShowsEachDialogModallyWithoutOwnerAndReturnsWhenClosed() {
        QtDialogHost host;
        FakeObject object;
        QString seen;
        bool ownerless = false;
        const auto inspect = [&](QDialog* dialog) {
            seen = dialog->windowTitle();
            ownerless = dialog->parentWidget() == nullptr && dialog->isModal();
        };
        CloseNextModal(inspect);
        QCOMPARE(host.ShowPropertyFrame(nullptr, PropertyFrameDescription{"libfake", {object.Page()}}), S_OK);
        QCOMPARE(seen, QStringLiteral("libfake"));
        QVERIFY(ownerless);

        OptionPage config = object.Page();
        config.title = "mpeg4 configuration";
        CloseNextModal(inspect);
        QCOMPARE(host.ShowCompressorConfig(reinterpret_cast<HWND>(1), config), S_OK);
        QCOMPARE(seen, QStringLiteral("mpeg4 configuration"));

        CloseNextModal(inspect);
        QCOMPARE(host.ShowCompressorAbout(nullptr, CompressorAboutDescription{"mpeg4", "", "", {}, {}}),
                 S_OK);
        QCOMPARE(seen, QStringLiteral("About mpeg4"));

        CloseNextModal(inspect);
        QCOMPARE(host.ShowCaptureDialog(nullptr, CaptureDialogDescription{"Camera: video source", 1, {}, {}}),
                 S_OK);
        QCOMPARE(seen, QStringLiteral("Camera: video source"));
        QVERIFY2(object.calls.empty(), "closing without OK changes nothing");
    }
};

QTEST_MAIN(TestPlatformDialogs)
#include "tst_platform_dialogs.moc"
