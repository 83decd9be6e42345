#include "app/item_height_delegate.h"

ItemHeightDelegate::ItemHeightDelegate(int itemHeight, QObject* parent)
    : QStyledItemDelegate(parent), itemHeight_(itemHeight) {}

QSize ItemHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(itemHeight_);
    return size;
}
