#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// GUI tests run on the offscreen platform unless the caller chose another one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Gamutrix");
    QCoreApplication::setApplicationName("Gamutrix Lite");
    // Preferences written by a test go to a private test location, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
