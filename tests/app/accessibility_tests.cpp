// Every control a user can reach or read must announce itself to a screen reader.

#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormKeyboardSetup.h"
#include "WindowFixture.h"

// The controls below top that have no accessible name.
QStringList unnamedControls(const QWidget& top) {
    QStringList unnamed;
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        // A combo box's own parts and Qt's internal widgets are announced through their owner.
        const bool boolControl =
            widget->inherits("QAbstractButton") || widget->inherits("QAbstractItemView") ||
            widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
            widget->inherits("QPlainTextEdit") || widget->inherits("PictureBox");
        if (boolControl && !widget->objectName().startsWith("qt_") &&
            widget->accessibleName().trimmed().isEmpty() &&
            !widget->parentWidget()->inherits("QComboBox")) {
            unnamed << widget->objectName();
        }
    }
    return unnamed;
}

using AccessibleNames = WindowFixture;

TEST_F(AccessibleNames, EveryControlOfTheWindowAndOfEachDialogHasOne) {
    start();
    EXPECT_EQ(unnamedControls(*window), QStringList());
    // The walk sees the controls: one that loses its name is reported.
    child<QWidget>("BtnPitch0")->setAccessibleName(QString());
    EXPECT_EQ(unnamedControls(*window), QStringList{"BtnPitch0"});
    const std::unique_ptr<QDialog> dialogs[] = {
        std::make_unique<FormCustomScale>(), std::make_unique<FormFretboardSetup>(),
        std::make_unique<FormKeyboardSetup>(), std::make_unique<FormAbout>()};
    for (const auto& dialog : dialogs) {
        EXPECT_EQ(unnamedControls(*dialog), QStringList()) << dialog->windowTitle().toStdString();
    }
}
