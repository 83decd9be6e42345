#include "app/dialogs/capture_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialogs/platform_texts.h"

CaptureDialog::CaptureDialog(const CaptureDialogDescription& description, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)) {
    setWindowTitle(PlatformText(description.caption));
    setModal(true);
    QStringList headings;
    for (const std::string& column : description.columns)
        headings << PlatformText(column);
    table_->setObjectName(QStringLiteral("table"));
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const std::vector<std::string>& cells : description.rows) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        for (size_t column = 0; column < cells.size() && column < description.columns.size(); ++column)
            table_->setItem(row, static_cast<int>(column),
                            new QTableWidgetItem(QString::fromStdString(cells[column])));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(560, 360);
}
