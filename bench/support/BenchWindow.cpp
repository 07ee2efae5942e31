#include "BenchWindow.h"

#include "ClassicFonts.h"
#include "DeferredIconStyle.h"

std::unique_ptr<QApplication> makeBenchApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Gamutrix Lite");
    installClassicFonts();
    QApplication::setStyle(new DeferredIconStyle);
    return app;
}

BenchWindow::BenchWindow() : window(QCoreApplication::applicationDirPath()), driver(window) {
    window.show();
    boolDrawn = driver.settle();
}
