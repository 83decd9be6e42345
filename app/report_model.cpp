#include "app/report_model.h"

#include <QFont>
#include <QStandardItemModel>

namespace {

QStandardItem* Cell(const std::string& text) { return new QStandardItem(QString::fromStdString(text)); }

// The section's rows are built before it joins the model, so that no row added signals a view.
QStandardItem* SectionRow(const ReportSection& section) {
    QStandardItem* title = Cell(section.title);
    title->setData(true, kSectionRole);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    for (const ReportLine& line : section.lines)
        title->appendRow({Cell(line.label), Cell(line.value)});
    for (const ReportSection& nested : section.sections)
        title->appendRow(SectionRow(nested));
    return title;
}

}  // namespace

void FillReportModel(QStandardItemModel& model, const Report& report) {
    model.clear();
    model.setHorizontalHeaderLabels({QStringLiteral("Свойство"), QStringLiteral("Значение")});
    QList<QStandardItem*> sections;
    sections.reserve(static_cast<qsizetype>(report.size()));
    for (const ReportSection& section : report)
        sections.append(SectionRow(section));
    model.invisibleRootItem()->appendRows(sections);
}
