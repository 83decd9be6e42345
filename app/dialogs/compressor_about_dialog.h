// The about box of a compressor: its names, FourCC, capabilities and pixel formats.
#pragma once

#include <QDialog>

#include "platform/dialog_host.h"

class CompressorAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CompressorAboutDialog(const CompressorAboutDescription& about, QWidget* parent = nullptr);
};
