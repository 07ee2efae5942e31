#include "DeferredIconStyle.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// GUI tests run on the offscreen platform unless the caller chose another one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Gamutrix");
    QCoreApplication::setApplicationName("Gamutrix Lite");
    // The style the program runs with.
    QApplication::setStyle(new DeferredIconStyle);
    // Preferences written by a test go to a private test location, never the user's own, and
    // each test process has its own, so tests running side by side cannot see each other's.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
