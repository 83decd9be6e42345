// lumora_demo: the window that tells what is inside a video file, a DVD volume and the installed
// media stack.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "app/com_apartment.h"
#include "app/dialogs/qt_dialog_host.h"
#include "app/lumora_demo_unit.h"
#include "app/start_up.h"
#include "app/user_language.h"
#include "platform/dialog_host.h"
#include "platform/standard_descriptors.h"

int main(int argc, char** argv) {
    OpenStandardDescriptors();
    // --help needs no display, so it is answered before Qt starts.
    if (const CommandLine help = ParseCommandLine(argc, argv); help.exitStatus == 0) {
        std::fputs(help.message.c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    // What is left of argv once Qt has taken its own options.
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.message.empty())
        std::fputs(commandLine.message.c_str(), commandLine.exitStatus == 0 ? stdout : stderr);
    if (commandLine.exitStatus) return *commandLine.exitStatus;
    InstallTranslations(application);
    // Qt sets the C library's locale from the environment; numbers are read and written in the C
    // form (the user's decimal separator is put in explicitly), so keep that one as C.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setDesktopFileName(QStringLiteral("lumora"));
    const ComApartment apartment;
    // The platform's settings dialogs are drawn by the application.
    QtDialogHost dialogHost;
    const ScopedDialogHost installedDialogHost(&dialogHost);

    TForm1 Form1;
    QApplication::setWindowIcon(Form1.windowIcon());
    StartWindow(Form1, commandLine.path);
    // For timing a whole start only (README, "Catalogue performance"): quit once the window has
    // been shown and the event loop has run once.
    if (qEnvironmentVariableIsSet("LUMORA_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
