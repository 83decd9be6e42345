// The window's page control: a tab widget whose page tabs fit side by side, as the designed
// window's do. Where the platform style's padding beside the tab texts would push the tabs past
// the control's width (and bring up scroll arrows), the padding is narrowed just enough; a font
// too wide even then is drawn condensed on the tabs.
#pragma once

#include <QTabWidget>

class QEvent;
class TabPaddingStyle;

class TPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

protected:
    void tabInserted(int index) override;
    void tabRemoved(int index) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitTabs();
    // Narrows the padding until the tabs fit; false when even the narrowest is too wide.
    bool FitPadding();

    TabPaddingStyle* tabStyle_;
};
