#include "app/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <stdexcept>

QString ApplicationTitleOf(const QString& programPath) {
    QString name = QFileInfo(programPath).fileName();
    const qsizetype stop = name.indexOf(QLatin1Char('.'));
    if (stop >= 0) name.truncate(stop);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle() { return ApplicationTitleOf(QCoreApplication::applicationFilePath()); }

namespace {

QString MessageOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error.");
    }
}

}  // namespace

void HandleException() noexcept {
    try {
        const QString message = MessageOf(std::current_exception());
        QMessageBox::critical(QApplication::activeWindow(), ApplicationTitle(), message);
    } catch (...) {
        // Nothing is left to tell the user with; the program goes on regardless.
    }
}
