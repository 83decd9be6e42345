// A capture driver dialog: what a capture device offers as sources, formats or controls, as a
// read-only table.
#pragma once

#include <QDialog>

#include "platform/dialog_host.h"

class QTableWidget;

class CaptureDialog : public QDialog {
    Q_OBJECT

public:
    explicit CaptureDialog(const CaptureDialogDescription& description, QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }

private:
    QTableWidget* table_;
};
