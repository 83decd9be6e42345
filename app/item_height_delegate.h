// Draws the items of a list at one fixed height, as a list box with a set item height does.
#pragma once

#include <QStyledItemDelegate>

class ItemHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    ItemHeightDelegate(int itemHeight, QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int itemHeight_;
};
