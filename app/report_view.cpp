#include "app/report_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <vector>

#include "app/report_model.h"

namespace {

// The rows from the top of the tree down to the cell's: sorted, they give the tree's order.
std::vector<int> TreePath(QModelIndex cell) {
    std::vector<int> path;
    for (; cell.isValid(); cell = cell.parent())
        path.insert(path.begin(), cell.row());
    return path;
}

}  // namespace

TReportView::TReportView(QWidget* parent) : QTreeView(parent), model_(new QStandardItemModel(this)) {
    setModel(model_);
    // Every row one line high: the view lays out only what it shows, however many rows there are.
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(true);
}

void TReportView::SetReport(const Report& report) {
    FillReportModel(*model_, report);
    for (size_t i = 0; i < report.size(); ++i)
        SpanSectionTitles(report[i], static_cast<int>(i), QModelIndex());
    expandToDepth(0);
    int widest = 0;
    for (const ReportSection& section : report)
        for (const ReportLine& line : section.lines)
            widest = std::max(widest, fontMetrics().horizontalAdvance(QString::fromStdString(line.label)));
    // The labels whole where they leave the values half the window's width.
    setColumnWidth(0, std::min(widest + 2 * indentation() + 16, std::max(window()->width() / 2, 160)));
}

void TReportView::SpanSectionTitles(const ReportSection& section, int row, const QModelIndex& parent) {
    setFirstColumnSpanned(row, parent, true);
    const QModelIndex index = model_->index(row, 0, parent);
    for (size_t i = 0; i < section.sections.size(); ++i)
        SpanSectionTitles(section.sections[i], static_cast<int>(section.lines.size() + i), index);
}

bool TReportView::RevealSection(const QString& title) {
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QModelIndex section = model_->index(row, 0);
        if (section.data().toString() != title) continue;
        expandRecursively(section);
        setCurrentIndex(section);
        scrollTo(section, QAbstractItemView::PositionAtTop);
        return true;
    }
    return false;
}

QString TReportView::SelectedRowsText() const {
    QModelIndexList rows;
    for (const QModelIndex& cell : selectionModel()->selectedIndexes())
        if (cell.column() == 0) rows.append(cell);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return TreePath(a) < TreePath(b); });
    QString text;
    for (const QModelIndex& row : rows) {
        text += row.data().toString();
        if (!row.data(kSectionRole).toBool())
            text += QStringLiteral(": ") + row.siblingAtColumn(1).data().toString();
        text += QLatin1Char('\n');
    }
    return text;
}

void TReportView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedRowsText());
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool TReportView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTreeView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex cell = indexAt(help->pos());
    QString text = ElidedText(cell.siblingAtColumn(1));
    if (text.isEmpty()) text = ElidedText(cell);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(cell));
    return true;
}

QString TReportView::ElidedText(const QModelIndex& cell) const {
    const QString text = cell.data().toString();
    if (text.isEmpty()) return {};
    const QVariant font = cell.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : this->font());
    // The item delegate's margin on either side of a cell's text.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return metrics.horizontalAdvance(text) > visualRect(cell).width() - 2 * margin ? text : QString();
}
