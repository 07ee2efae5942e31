#include "ClassicFonts.h"
#include "FormGamutrix.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Gamutrix");
    QCoreApplication::setApplicationName("Gamutrix Lite");
    installClassicFonts();
    FormGamutrix window(QCoreApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
