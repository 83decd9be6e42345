#include "app/dialogs/compressor_about_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "app/dialogs/platform_texts.h"

namespace {

QString Joined(const std::vector<std::string>& items, const QString& none) {
    QStringList texts;
    for (const std::string& item : items)
        texts << QString::fromStdString(item);
    return texts.isEmpty() ? none : texts.join(QStringLiteral(", "));
}

QLabel* Value(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CompressorAboutDialog::CompressorAboutDialog(const CompressorAboutDescription& about, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("About %1").arg(QString::fromStdString(about.name)));
    setModal(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Name:"), Value(QString::fromStdString(about.name), "name", this));
    form->addRow(tr("Long name:"), Value(QString::fromStdString(about.longName), "longName", this));
    form->addRow(tr("FourCC:"), Value(QString::fromStdString(about.fourCC), "fourCC", this));
    form->addRow(tr("Capabilities:"), Value(Joined(about.capabilities, tr("none")), "capabilities", this));
    form->addRow(tr("Pixel formats:"),
                 Value(Joined(about.pixelFormats, tr("not stated")), "pixelFormats", this));
    if (about.availability) form->addRow(Value(AvailabilityLine(*about.availability), "availability", this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
