#include "app/page_control.h"

#include <QEvent>
#include <QTabBar>

#include "app/tab_padding_style.h"

namespace {

// Padding kept beside a tab's text however tight the room: 2 pixels on either side.
constexpr int kNarrowestPadding = 4;

}  // namespace

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent), tabStyle_(new TabPaddingStyle(this)) {
    tabBar()->setElideMode(Qt::ElideNone);
    tabBar()->setExpanding(false);
    tabBar()->setStyle(tabStyle_);
}

void TPageControl::tabInserted(int index) {
    QTabWidget::tabInserted(index);
    FitTabs();
}

void TPageControl::tabRemoved(int index) {
    QTabWidget::tabRemoved(index);
    FitTabs();
}

void TPageControl::changeEvent(QEvent* event) {
    QTabWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitTabs();
}

void TPageControl::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    FitTabs();
}

void TPageControl::FitTabs() {
    // The page control's own font; a condensed cut of it only where a wide font leaves too little
    // room even with the narrowest padding.
    for (const bool condensed : {false, true}) {
        QFont tabFont = font();
        if (condensed) tabFont.setStretch(QFont::Condensed);
        tabBar()->setFont(tabFont);
        if (FitPadding()) return;
    }
}

bool TPageControl::FitPadding() {
    QTabBar* tabs = tabBar();
    tabStyle_->SetTabPadding(std::nullopt);
    int padding = tabStyle_->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
    for (;;) {
        // Setting the style again has the tab bar measure its tabs afresh.
        tabs->setStyle(tabStyle_);
        if (tabs->sizeHint().width() <= width()) return true;
        if (padding <= kNarrowestPadding) return false;
        padding = std::max(kNarrowestPadding, padding - 2);
        tabStyle_->SetTabPadding(padding);
    }
}
