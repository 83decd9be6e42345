// The texts a list box or a combo box shows, as a QStringList to compare with what a page
// should show.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <string>
#include <vector>

namespace lumora::testing {

inline QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

inline QStringList Items(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

inline QStringList Texts(const std::vector<std::string>& texts) {
    QStringList result;
    for (const std::string& text : texts)
        result << QString::fromStdString(text);
    return result;
}

}  // namespace lumora::testing
