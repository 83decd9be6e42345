#include "app/user_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the build puts the program's own catalogues (qt_add_translations, RESOURCE_PREFIX).
constexpr char kOwnCatalogues[] = ":/i18n";

bool Install(QCoreApplication& application, const QString& name, const QString& folder,
             QStringList& installed) {
    auto* translator = new QTranslator(&application);
    // The system locale follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order.
    if (!translator->load(QLocale::system(), name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed << QFileInfo(translator->filePath()).completeBaseName();
    return true;
}

}  // namespace

QStringList InstallTranslations(QCoreApplication& application) {
    QStringList installed;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qtbase holds the texts of the file dialogs, message boxes and button boxes.
    Install(application, QStringLiteral("qtbase"), qtFolder, installed);
    Install(application, QStringLiteral("lumora"), QString::fromLatin1(kOwnCatalogues), installed);
    return installed;
}
