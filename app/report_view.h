// The details window's tree: a report's sections and lines, their rows selectable and copied with
// Ctrl+C; a value too long for its column shows elided, and whole as the row's tooltip.
#pragma once

#include <QTreeView>

#include "app/page_text/report.h"

class QStandardItemModel;

class TReportView : public QTreeView {
    Q_OBJECT

public:
    explicit TReportView(QWidget* parent = nullptr);

    // Shows the report's rows: the top-level sections expanded, the nested ones collapsed.
    void SetReport(const Report& report);
    // Expands the top-level section of that title with everything in it, makes it the current row
    // and scrolls it to the top; false when there is no such section.
    bool RevealSection(const QString& title);
    // The selected rows in the tree's order, one line each: "Свойство: Значение", a section's
    // title alone.
    QString SelectedRowsText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void SpanSectionTitles(const ReportSection& section, int row, const QModelIndex& parent);
    // The cell's whole text when the column shows it elided; empty when it shows whole.
    QString ElidedText(const QModelIndex& cell) const;

    QStandardItemModel* model_;
};
