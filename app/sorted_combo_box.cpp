#include "app/sorted_combo_box.h"

#include <QStandardItemModel>

#include "platform/utf8.h"

namespace {

// The role that holds each item's sort key.
constexpr int kSortKeyRole = Qt::UserRole + 0x4C55;

// A key whose plain string order is DropDownOrder's, the order lumora_info prints: each
// case-folded code point as two 16-bit units, so that comparing units compares code points.
QString SortKey(const QString& text) {
    const std::u32string folded = FoldedCharacters(text.toStdString());
    QString key;
    key.reserve(static_cast<qsizetype>(folded.size() * 2));
    for (const char32_t c : folded) {
        key.append(QChar(static_cast<char16_t>(c >> 16)));
        key.append(QChar(static_cast<char16_t>(c & 0xFFFF)));
    }
    return key;
}

}  // namespace

TSortedComboBox::TSortedComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    // QComboBox's own model; the stable sort of QStandardItemModel keeps equal keys in order.
    auto* items = qobject_cast<QStandardItemModel*>(model());
    Q_ASSERT(items);
    items->setSortRole(kSortKeyRole);
    connect(items, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid()) SortInserted(first, last);
            });
}

void TSortedComboBox::SortInserted(int first, int last) {
    if (sorting_) return;
    sorting_ = true;
    auto* items = qobject_cast<QStandardItemModel*>(model());
    for (int row = first; row <= last; ++row) {
        QStandardItem* item = items->item(row);
        if (item) item->setData(SortKey(item->text()), kSortKeyRole);
    }
    // An item inserted before equal ones would land ahead of them; appending, as every filler
    // does, puts it after them.
    items->sort(0, Qt::AscendingOrder);
    sorting_ = false;
}
