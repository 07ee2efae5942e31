// Every control a user can reach or read must announce itself to a screen reader.

#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormKeyboardSetup.h"
#include "WindowFixture.h"

#include <QRegularExpression>

using AccessibleNames = WindowFixture;

TEST_F(AccessibleNames, EveryControlOfTheWindowAndOfEachDialogHasOne) {
    start();
    const std::unique_ptr<QWidget> dialogs[] = {
        std::make_unique<FormCustomScale>(), std::make_unique<FormFretboardSetup>(),
        std::make_unique<FormKeyboardSetup>(), std::make_unique<FormAbout>()};
    for (const QWidget* top :
         std::initializer_list<const QWidget*>{window.get(), dialogs[0].get(), dialogs[1].get(),
                                               dialogs[2].get(), dialogs[3].get()}) {
        for (const QWidget* widget : top->findChildren<QWidget*>(QRegularExpression("^(?!qt_)"))) {
            // A combo box's own parts are announced through it; Qt's internal widgets start "qt_".
            const bool boolControl =
                !widget->parentWidget()->inherits("QComboBox") &&
                (widget->inherits("QAbstractButton") || widget->inherits("QAbstractItemView") ||
                 widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
                 widget->inherits("QPlainTextEdit") || widget->inherits("PictureBox"));
            EXPECT_FALSE(boolControl && widget->accessibleName().trimmed().isEmpty())
                << widget->objectName().toStdString();
        }
    }
}
