// Every control a user can reach or read must announce itself to a screen reader.

#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormKeyboardSetup.h"
#include "WindowFixture.h"

using AccessibleNames = WindowFixture;

TEST_F(AccessibleNames, EveryControlOfTheWindowAndOfEachDialogHasOne) {
    start();
    const FormCustomScale custom;
    const FormFretboardSetup fretboard;
    const FormKeyboardSetup keyboard;
    const FormAbout about;
    for (const QWidget* widget : QApplication::allWidgets()) {
        // A combo box's own parts are announced through it; Qt's internal widgets start "qt_".
        const bool boolControl =
            !widget->objectName().startsWith("qt_") && widget->parentWidget() != nullptr &&
            !widget->parentWidget()->inherits("QComboBox") &&
            (widget->inherits("QAbstractButton") || widget->inherits("QAbstractItemView") ||
             widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
             widget->inherits("QPlainTextEdit") || widget->inherits("PictureBox"));
        EXPECT_FALSE(boolControl && widget->accessibleName().trimmed().isEmpty())
            << widget->objectName().toStdString();
    }
}
