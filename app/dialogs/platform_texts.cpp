#include "app/dialogs/platform_texts.h"

#include <QCoreApplication>

#include "platform/hardware_device_names.h"

namespace {

constexpr char kContext[] = "PlatformText";

// The words as the backends write them.
constexpr const char* kWords[] = {
    QT_TRANSLATE_NOOP("PlatformText", "Options"), QT_TRANSLATE_NOOP("PlatformText", "Input"),
    QT_TRANSLATE_NOOP("PlatformText", "Name"),    QT_TRANSLATE_NOOP("PlatformText", "Type"),
    QT_TRANSLATE_NOOP("PlatformText", "Status"),  QT_TRANSLATE_NOOP("PlatformText", "FourCC"),
    QT_TRANSLATE_NOOP("PlatformText", "Format"),  QT_TRANSLATE_NOOP("PlatformText", "Frame sizes"),
    QT_TRANSLATE_NOOP("PlatformText", "Control"), QT_TRANSLATE_NOOP("PlatformText", "Minimum"),
    QT_TRANSLATE_NOOP("PlatformText", "Maximum"), QT_TRANSLATE_NOOP("PlatformText", "Step"),
    QT_TRANSLATE_NOOP("PlatformText", "Default"), QT_TRANSLATE_NOOP("PlatformText", "Current"),
};

// "<name><suffix>" captions: the name stays, the suffix is translated as "%1<suffix>".
struct Pattern {
    const char* suffix;
    const char* text;
};

constexpr Pattern kPatterns[] = {
    {" configuration", QT_TRANSLATE_NOOP("PlatformText", "%1 configuration")},
    {": video source", QT_TRANSLATE_NOOP("PlatformText", "%1: video source")},
    {": video format", QT_TRANSLATE_NOOP("PlatformText", "%1: video format")},
    {": video display", QT_TRANSLATE_NOOP("PlatformText", "%1: video display")},
};

// A hardware encoder's availability; the reasons the library gives stay as they are.
constexpr const char* kAvailable = QT_TRANSLATE_NOOP("PlatformText", "Available on this machine: %1");
constexpr const char* kYes = QT_TRANSLATE_NOOP("PlatformText", "yes");
constexpr const char* kNo = QT_TRANSLATE_NOOP("PlatformText", "no (%1)");
constexpr const char* kNoDevice = QT_TRANSLATE_NOOP("PlatformText", "no %1 device");
constexpr const char* kDoesNotOpen = QT_TRANSLATE_NOOP("PlatformText", "it does not open");
constexpr const char* kNoAnswer = QT_TRANSLATE_NOOP("PlatformText", "no answer within 2 s");
constexpr const char* kCrashed = QT_TRANSLATE_NOOP("PlatformText", "the probe crashed");

QString Translated(const char* text) { return QCoreApplication::translate(kContext, text); }

}  // namespace

QString PlatformText(const std::string& text) {
    for (const char* word : kWords)
        if (text == word) return QCoreApplication::translate(kContext, word);
    for (const Pattern& pattern : kPatterns) {
        const std::string suffix = pattern.suffix;
        if (text.size() > suffix.size() && text.ends_with(suffix))
            return QCoreApplication::translate(kContext, pattern.text)
                .arg(QString::fromStdString(text.substr(0, text.size() - suffix.size())));
    }
    return QString::fromStdString(text);
}

QString AvailabilityLine(const HardwareProbeAnswer& answer) {
    const QString detail = QString::fromStdString(answer.detail);
    QString reason;
    switch (answer.result) {
        case HardwareProbeResult::Usable: break;
        case HardwareProbeResult::NoDevice:
            reason =
                Translated(kNoDevice).arg(QString::fromStdString(HardwareDeviceTypeName(answer.deviceType)));
            break;
        case HardwareProbeResult::Failed:
            reason = detail.isEmpty() ? Translated(kDoesNotOpen) : detail;
            break;
        case HardwareProbeResult::TimedOut: reason = Translated(kNoAnswer); break;
        case HardwareProbeResult::Crashed: reason = Translated(kCrashed); break;
    }
    const QString verdict = reason.isEmpty() ? Translated(kYes) : Translated(kNo).arg(reason);
    return Translated(kAvailable).arg(verdict);
}
