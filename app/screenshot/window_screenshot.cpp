// Pictures of the window for the README, through the real backends:
//   window_screenshot PAGE OUTPUT.png PATH...   opens each PATH as lumora_demo PATH does, selects
//                                               the first DVD title, puts PAGE (1 to 3) in front
//   window_screenshot --drop OUTPUT.png FIRST DROPPED
//                                               opens FIRST, then drops DROPPED onto the file page:
//                                               the window before the drop with the dragged item
//                                               over it, and the window after
//   window_screenshot --details OUTPUT.png PATH [TITLE]
//                                               opens PATH, selects the volume's TITLE (from 1),
//                                               and takes the details window of its page
// Exit status 3 when a DVD path gave no title (nothing is written then).
// LUMORA_SCREENSHOT_OPEN_LISTS, a comma-separated list of drop-down lists' object names, opens
// those lists for a page picture, which is then taken from the screen: the window with the lists.
// LUMORA_SCREENSHOT_AUDIO_LINE=N chooses the selected title's Nth audio line (from 1).
// LUMORA_SCREENSHOT_VERIFY=1 runs a file's integrity check in the details window before the
// picture, which then shows the check's section.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>

#include "app/details_commands.h"
#include "app/details_window.h"
#include "app/dvd_volume_path.h"
#include "app/integrity_check.h"
#include "app/lumora_demo_unit.h"
#include "app/report_view.h"
#include "app/start_up.h"
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

constexpr int kGap = 48;

std::string PathOf(const QString& argument) { return QFile::encodeName(argument).toStdString(); }

// What a file manager draws under the pointer while dragging: the item's icon and name.
void PaintDraggedItem(QPainter& painter, QPoint at, const QString& path, const QFont& font) {
    const QIcon icon = QApplication::style()->standardIcon(QFileInfo(path).isDir() ? QStyle::SP_DirIcon
                                                                                   : QStyle::SP_FileIcon);
    const QString name = QFileInfo(path).fileName();
    painter.setFont(font);
    const QRect text = painter.fontMetrics().boundingRect(name);
    const QRect box(at.x() - 4, at.y() - 4, 32 + text.width() + 14, 40);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(48, 96, 192));
    painter.setBrush(QColor(200, 220, 255, 210));
    painter.drawRoundedRect(box, 4, 4);
    painter.drawPixmap(at.x(), at.y(), icon.pixmap(32, 32));
    painter.setPen(Qt::black);
    painter.drawText(QRect(at.x() + 38, at.y(), text.width() + 4, 32), Qt::AlignVCenter, name);
    // The pointer, its tip where the item is dropped.
    QPainterPath arrow;
    const QPointF tip = at - QPoint(10, 10);
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 17));
    arrow.lineTo(tip + QPointF(4.5, 13));
    arrow.lineTo(tip + QPointF(8, 20));
    arrow.lineTo(tip + QPointF(10.5, 19));
    arrow.lineTo(tip + QPointF(7, 12));
    arrow.lineTo(tip + QPointF(12, 12));
    arrow.closeSubpath();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}

void PaintArrow(QPainter& painter, QRect area) {
    const QPoint middle = area.center();
    painter.setPen(QPen(QColor(90, 90, 90), 3));
    painter.drawLine(middle - QPoint(14, 0), middle + QPoint(12, 0));
    painter.setBrush(QColor(90, 90, 90));
    painter.drawPolygon(QPolygon({middle + QPoint(14, 0), middle + QPoint(4, -8), middle + QPoint(4, 8)}));
}

// Drops the path onto the window at `point` as a file manager does, then lets it open.
bool Drop(TForm1& form, QPoint point, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(point, offered, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(point), offered, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &drop);
    QApplication::processEvents();
    return drop.isAccepted();
}

int Save(const QPixmap& picture, const QString& output) {
    if (picture.save(output, "PNG")) return 0;
    std::fprintf(stderr, "window_screenshot: cannot write %s\n", qPrintable(output));
    return 1;
}

int DetailsPicture(TForm1& form, const QStringList& arguments) {
    if (form.PageControl1->currentWidget() == form.TabSheet2) {
        if (form.lbTitles->count() == 0) {
            std::fprintf(stderr, "window_screenshot: the DVD module read no title\n");
            return 3;
        }
        form.lbTitles->setCurrentRow(arguments.value(3, QStringLiteral("1")).toInt() - 1);
    }
    form.Details->ShowPageDetails();
    TDetailsWindow* window = form.Details->Window();
    if (window) {
        // As tall as its rows (those of expanded sections), as far as the screen allows.
        const QTreeView& tree = *window->Tree;
        int rows = 0;
        for (QModelIndex row = tree.model()->index(0, 0); row.isValid(); row = tree.indexBelow(row))
            ++rows;
        const int height = window->height() - tree.viewport()->height() + rows * tree.sizeHintForRow(0) + 4;
        window->resize(window->width(),
                       std::min(height, window->screen()->availableGeometry().height() - 40));
    }
    if (!window || !QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "window_screenshot: no details window\n");
        return 1;
    }
    if (qEnvironmentVariableIsSet("LUMORA_SCREENSHOT_VERIFY")) {
        window->Check->btVerify->click();
        if (!QTest::qWaitFor([window] { return !window->Check->Running(); }, 120000)) {
            std::fprintf(stderr, "window_screenshot: the integrity check did not end\n");
            return 1;
        }
        QApplication::processEvents();
    }
    return Save(window->grab(), arguments[1]);
}

int Pictures(TForm1& form, const QStringList& arguments) {
    const QString output = arguments[1];
    if (arguments[0] == QStringLiteral("--details")) return DetailsPicture(form, arguments);
    if (arguments[0] == QStringLiteral("--drop")) {
        form.PageControl1->setCurrentWidget(form.TabSheet1);
        const QPixmap before = form.grab();
        const QPoint point(170, 190);
        if (!Drop(form, point, arguments[3])) {
            std::fprintf(stderr, "window_screenshot: the window refused the drop\n");
            return 1;
        }
        if (form.PageControl1->currentWidget() == form.TabSheet2 && form.lbTitles->count() == 0) {
            std::fprintf(stderr, "window_screenshot: the DVD module read no title\n");
            return 3;
        }
        const QPixmap after = form.grab();
        QPixmap picture(before.width() + kGap + after.width(), before.height());
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, before);
        PaintDraggedItem(painter, point, arguments[3], form.font());
        PaintArrow(painter, QRect(before.width(), 0, kGap, before.height()));
        painter.drawPixmap(before.width() + kGap, 0, after);
        painter.end();
        return Save(picture, output);
    }
    const int page = arguments[0].toInt();
    if (form.lbTitles->count() > 0) form.lbTitles->setCurrentRow(0);
    const int audioLine = qEnvironmentVariableIntValue("LUMORA_SCREENSHOT_AUDIO_LINE");
    if (audioLine > 0 && audioLine <= form.cbAudio->count()) form.cbAudio->setCurrentIndex(audioLine - 1);
    for (const QString& path : arguments.mid(2)) {
        if (IsDvdVolumePath(PathOf(path)) && form.lbTitles->count() == 0) {
            std::fprintf(stderr, "window_screenshot: the DVD module read no title from %s\n",
                         qPrintable(path));
            return 3;
        }
    }
    form.PageControl1->setCurrentIndex(page - 1);
    return Save(Picture(form), output);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QApplication::arguments().mid(1);
    const bool drop = !arguments.isEmpty() && arguments[0] == QStringLiteral("--drop");
    const bool details = !arguments.isEmpty() && arguments[0] == QStringLiteral("--details");
    const bool pages = arguments.size() >= 3 && arguments[0].toInt() >= 1 && arguments[0].toInt() <= 3;
    if (drop ? arguments.size() != 4 : details ? arguments.size() < 3 || arguments.size() > 4 : !pages) {
        std::fprintf(stderr,
                     "usage: window_screenshot PAGE OUTPUT.png PATH...\n"
                     "       window_screenshot --drop OUTPUT.png FIRST DROPPED\n"
                     "       window_screenshot --details OUTPUT.png PATH [TITLE]\n");
        return 2;
    }
    CoInitialize(nullptr);
    int status = 0;
    {
        TForm1 form;
        StartWindow(form, PathOf(arguments[2]));
        for (const QString& path : arguments.mid(drop || details ? 4 : 3))
            form.OpenPath(PathOf(path));
        if (!QTest::qWaitForWindowExposed(&form)) {
            std::fprintf(stderr, "window_screenshot: the window was never shown\n");
            status = 1;
        } else {
            status = Pictures(form, arguments);
        }
    }
    CoUninitialize();
    return status;
}
