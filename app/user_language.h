// The platform's dialogs (file dialogs, message boxes, settings dialogs) speak the user's
// language; the window's own captions stay as they are.
#pragma once

#include <QStringList>

class QCoreApplication;

// Installs Qt's own translations for the user's locale (from Qt's translations folder) and the
// program's translation of its settings dialogs (built in), where there are any for that
// language. Returns the names of the catalogues installed ("qtbase_ru", "lumora_ru" …).
QStringList InstallTranslations(QCoreApplication& application);
