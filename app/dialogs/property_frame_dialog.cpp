#include "app/dialogs/property_frame_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/options_page_widget.h"
#include "app/dialogs/platform_texts.h"

PropertyFrameDialog::PropertyFrameDialog(const PropertyFrameDescription& frame, bool showTabs,
                                         QWidget* parent)
    : QDialog(parent), buttons_(new QDialogButtonBox(this)) {
    setWindowTitle(PlatformText(frame.caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    bool canApply = false;
    if (frame.pages.size() == 1 && !showTabs) {
        pages_.push_back(new OptionsPageWidget(frame.pages.front(), this));
        layout->addWidget(pages_.back(), 1);
    } else if (!frame.pages.empty()) {
        auto* tabs = new QTabWidget(this);
        tabs->setObjectName(QStringLiteral("pages"));
        for (const OptionPage& page : frame.pages) {
            pages_.push_back(new OptionsPageWidget(page, tabs));
            tabs->addTab(pages_.back(), PlatformText(page.title));
        }
        layout->addWidget(tabs, 1);
    }
    for (const OptionsPageWidget* page : pages_)
        canApply = canApply || page->CanApply();

    if (pages_.empty()) {
        buttons_->setStandardButtons(QDialogButtonBox::Ok);
    } else {
        buttons_->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                     QDialogButtonBox::Apply);
        QPushButton* apply = buttons_->button(QDialogButtonBox::Apply);
        apply->setEnabled(canApply);
        connect(apply, &QPushButton::clicked, this, [this] { ApplyAll(); });
        resize(900, 520);
    }
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertyFrameDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertyFrameDialog::reject);
    layout->addWidget(buttons_);
}

bool PropertyFrameDialog::ApplyAll() {
    bool allTaken = true;
    for (OptionsPageWidget* page : pages_)
        allTaken = page->Apply() && allTaken;
    return allTaken;
}

void PropertyFrameDialog::accept() {
    // A refused value keeps the frame open with the reason shown on its page.
    if (ApplyAll()) QDialog::accept();
}
