// The floor for the start-up of any Qt Widgets program here: a bare main window of the program's
// client size (593 x 432 pixels) with a menu bar of four menus, shown and drawn once, measured
// exactly like the program (see StartupReport.h).

#include "StartupReport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* strMenu : {"File", "ScaleSet", "Display", "Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(strMenu))->addAction(QStringLiteral("Item"));
    }
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    window.setFixedSize(593, 432);
    reportWhenFirstDrawn(window, *client);
    window.show();
    return QApplication::exec();
}
