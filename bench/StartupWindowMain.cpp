// The program's own start-up, step for step as its main() does it, ending as soon as the main
// window has been fully drawn for the first time (see StartupReport.h).

#include "ClassicFonts.h"
#include "DeferredIconStyle.h"
#include "FormGamutrix.h"
#include "PictureBox.h"
#include "StartupReport.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gamutrix Lite");
    installClassicFonts();
    QApplication::setStyle(new DeferredIconStyle);
    FormGamutrix window(QCoreApplication::applicationDirPath());
    auto* picture = window.findChild<PictureBox*>("PicScaleInstrument");
    if (picture == nullptr) {
        return 1;
    }
    reportWhenFirstDrawn(window, *picture);
    window.show();
    return QApplication::exec();
}
