// The property frame: a modal dialog with one tab per options page and OK, Cancel and Apply;
// with no page only OK.
#pragma once

#include <QDialog>
#include <vector>

#include "platform/dialog_host.h"

class QDialogButtonBox;
class QTabWidget;
class OptionsPageWidget;

class PropertyFrameDialog : public QDialog {
    Q_OBJECT

public:
    // `showTabs` false lays a single page out without a tab (the compressor configuration).
    explicit PropertyFrameDialog(const PropertyFrameDescription& frame, bool showTabs = true,
                                 QWidget* parent = nullptr);

    const std::vector<OptionsPageWidget*>& Pages() const { return pages_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

    // Applies every page; false when a page refused a value.
    bool ApplyAll();

    void accept() override;

private:
    std::vector<OptionsPageWidget*> pages_;
    QDialogButtonBox* buttons_;
};
