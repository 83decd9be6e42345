// The platform's style with a chosen padding beside the text of each page tab.
#pragma once

#include <QProxyStyle>
#include <optional>

class TabPaddingStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit TabPaddingStyle(QObject* parent);

    // Pixels beside a tab's text, both sides together; nullopt: the platform style's own.
    void SetTabPadding(std::optional<int> padding) { padding_ = padding; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    std::optional<int> padding_;
};
