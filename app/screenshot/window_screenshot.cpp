// Saves a picture of the window with a real file analysed on its first page:
//   window_screenshot MEDIA_FILE OUTPUT.png [PAGE [DVD_IFO]]
// The file goes through the real media detector; only the file dialogs are answered by the
// program. PAGE (1 to 3) picks the page in front; the file page is the default. With DVD_IFO the
// DVD page opens that volume and selects its first title. LUMORA_SCREENSHOT_OPEN_LISTS, a
// comma-separated list of drop-down lists' object names, opens those lists, and the picture is
// then taken from the screen: the window with the open lists.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <clocale>
#include <cstdio>

#include "app/lumora_demo_unit.h"
#include "platform/com.h"

namespace {

QPixmap Picture(QWidget& form) {
    const QStringList open =
        qEnvironmentVariable("LUMORA_SCREENSHOT_OPEN_LISTS").split(',', Qt::SkipEmptyParts);
    if (open.isEmpty()) return form.grab();
    QRect area = form.frameGeometry();
    for (const QString& name : open) {
        auto* list = form.findChild<QComboBox*>(name);
        if (!list) {
            std::fprintf(stderr, "window_screenshot: warning: no drop-down list %s\n", qPrintable(name));
            continue;
        }
        list->showPopup();
        QWidget* popup = list->view()->window();
        if (!QTest::qWaitForWindowExposed(popup)) continue;
        area |= popup->frameGeometry();
    }
    QApplication::processEvents();
    return form.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3 || arguments.size() > 5) {
        std::fprintf(stderr, "usage: window_screenshot MEDIA_FILE OUTPUT.png [PAGE [DVD_IFO]]\n");
        return 2;
    }
    const QString media = arguments[1];
    const int page = arguments.size() >= 4 ? arguments[3].toInt() : 1;
    const QString dvd = arguments.size() == 5 ? arguments[4] : QString();
    if (page < 1 || page > 3) {
        std::fprintf(stderr, "window_screenshot: PAGE is 1, 2 or 3\n");
        return 2;
    }
    CoInitialize(nullptr);
    int status = 0;
    {
        TForm1 form;
        form.DoCreate();
        form.OpenDialog1.SetChooser(
            [&](QWidget*, const TOpenDialog&) { return std::optional<QString>(media); });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) {
            std::fprintf(stderr, "window_screenshot: the window was never shown\n");
            status = 1;
        } else {
            form.btOpenFile->click();
            if (!dvd.isEmpty()) {
                form.OpenDialog2.SetChooser(
                    [&](QWidget*, const TOpenDialog&) { return std::optional<QString>(dvd); });
                form.btOpenDVD->click();
                if (form.lbTitles->count() > 0) form.lbTitles->setCurrentRow(0);
            }
            if (form.Lumora.Video().Codec.empty() && form.Lumora.AudioStreamCount() == 0)
                std::fprintf(stderr, "window_screenshot: warning: the media detector found no stream in %s\n",
                             qPrintable(media));
            form.PageControl1->setCurrentIndex(page - 1);
            if (!Picture(form).save(arguments[2], "PNG")) {
                std::fprintf(stderr, "window_screenshot: cannot write %s\n", qPrintable(arguments[2]));
                status = 1;
            }
        }
    }
    CoUninitialize();
    return status;
}
