// A pick-only drop-down list that keeps its items in case-insensitive alphabetical order as they
// are added, whichever way they are added; equal names (duplicates included) keep the order in
// which they came. The order is DropDownOrder's (app/page_text/drop_down_order.h).
#pragma once

#include <QComboBox>

class TSortedComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TSortedComboBox(QWidget* parent = nullptr);

private:
    void SortInserted(int first, int last);

    bool sorting_ = false;
};
