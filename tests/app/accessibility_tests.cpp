#include "FormAbout.h"
#include "FormCustomScale.h"
#include "FormFretboardSetup.h"
#include "FormKeyboardSetup.h"
#include "Globals.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Every control a user can reach or read must announce itself to a screen reader.
std::vector<std::string> controlsWithoutAccessibleName(const QWidget& top) {
    std::vector<std::string> missing;
    const auto widgets = top.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        const bool boolControl = qobject_cast<const QAbstractButton*>(widget) != nullptr ||
                                 qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
                                 qobject_cast<const QLineEdit*>(widget) != nullptr ||
                                 qobject_cast<const QComboBox*>(widget) != nullptr ||
                                 qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
                                 qobject_cast<const PictureBox*>(widget) != nullptr;
        // Internal parts of composite widgets (a combo box's own line edit or popup list) are
        // announced through their owner.
        const bool boolOwnedPart =
            widget->objectName().startsWith("qt_") ||
            qobject_cast<const QComboBox*>(widget->parentWidget()) != nullptr;
        if (boolControl && !boolOwnedPart && widget->accessibleName().trimmed().isEmpty()) {
            missing.push_back(widget->metaObject()->className() + std::string(" ") +
                              widget->objectName().toStdString());
        }
    }
    return missing;
}

using AccessibleNames = WindowFixture;

TEST_F(AccessibleNames, EveryControlOfTheMainWindowHasOne) {
    start();
    EXPECT_EQ(controlsWithoutAccessibleName(*window), std::vector<std::string>());
    // The walk really saw the buttons: "Custom", 7 letters, 2 accidentals, 7 chord check boxes and
    // 10 option buttons.
    const auto buttons = window->findChildren<QAbstractButton*>();
    EXPECT_EQ(std::count_if(buttons.begin(), buttons.end(),
                            [](const QAbstractButton* button) {
                                return !button->objectName().startsWith("qt_");
                            }),
              27);
}

TEST_F(AccessibleNames, EveryControlOfEachDialogHasOne) {
    Globals::setDefaultSettings();
    FormCustomScale custom;
    FormFretboardSetup fretboard;
    FormKeyboardSetup keyboard;
    FormAbout about;
    for (const QDialog* dialog :
         std::initializer_list<const QDialog*>{&custom, &fretboard, &keyboard, &about}) {
        EXPECT_EQ(controlsWithoutAccessibleName(*dialog), std::vector<std::string>())
            << dialog->windowTitle().toStdString();
    }
}

} // namespace
