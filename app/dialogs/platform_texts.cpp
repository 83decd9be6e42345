#include "app/dialogs/platform_texts.h"

#include <QCoreApplication>

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
