#include "AtomicFile.h"
#include "ClassicFonts.h"
#include "CommandLine.h"
#include "DeferredIconStyle.h"
#include "FormGamutrix.h"
#include "SessionEndSignals.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A file-size limit must make a write fail, not end the program with the session's settings.
    ignoreFileSizeLimitSignal();
    if (const std::optional<int> intStatus = CommandLine::run(argc, argv)) {
        return *intStatus;
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Gamutrix");
    QCoreApplication::setApplicationName("Gamutrix Lite");
    installClassicFonts();
    QApplication::setStyle(new DeferredIconStyle);
    FormGamutrix window(QCoreApplication::applicationDirPath());
    // Logout, kill or Ctrl+C end the program as closing its window does: the configuration is
    // written once and the exit code is 0, also while a dialog is open.
    SessionEndSignals sessionEnd;
    QObject::connect(&sessionEnd, &SessionEndSignals::received, &window, [&window] {
        window.close();
        QCoreApplication::exit(0);
    });
    window.show();
    return QApplication::exec();
}
