#include "app/sorted_combo_box.h"

#include <QStandardItemModel>

namespace {

// The role that holds each item's sort key: its case-folded text.
constexpr int kSortKeyRole = Qt::UserRole + 0x4C55;

}  // namespace

TSortedComboBox::TSortedComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    // QComboBox's own model; the stable sort of QStandardItemModel keeps equal keys in order.
    auto* items = qobject_cast<QStandardItemModel*>(model());
    Q_ASSERT(items);
    items->setSortRole(kSortKeyRole);
    connect(items, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    SortInserted(first, last);
            });
}

void TSortedComboBox::SortInserted(int first, int last) {
    if (sorting_)
        return;
    sorting_ = true;
    auto* items = qobject_cast<QStandardItemModel*>(model());
    for (int row = first; row <= last; ++row) {
        QStandardItem* item = items->item(row);
        if (item)
            item->setData(item->text().toCaseFolded(), kSortKeyRole);
    }
    // An item inserted before equal ones would land ahead of them; appending, as every filler
    // does, puts it after them.
    items->sort(0, Qt::AscendingOrder);
    sorting_ = false;
}
