#include "app/tab_padding_style.h"

#include <QApplication>
#include <QStyleFactory>

TabPaddingStyle::TabPaddingStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
}

int TabPaddingStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (metric == PM_TabBarTabHSpace && padding_) return *padding_;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
