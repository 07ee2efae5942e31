#include "ClassicFonts.h"
#include "CommandLine.h"
#include "FormGamutrix.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const std::optional<int> intStatus = CommandLine::run(argc, argv)) {
        return *intStatus;
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Gamutrix");
    QCoreApplication::setApplicationName("Gamutrix Lite");
    installClassicFonts();
    FormGamutrix window(QCoreApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
