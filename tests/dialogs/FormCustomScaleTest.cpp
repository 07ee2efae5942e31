#include "FormCustomScale.h"

#include "DialogFixture.h"

#include <QLineEdit>

class FormCustomScaleTest : public DialogFixture<FormCustomScale> {
  protected:
    QString built() const { return control<QLineEdit>("TextScale")->text(); }
    QComboBox* next() const { return control<QComboBox>("ComboNext"); }
};

// Every caption of the interval list, in order, each naming its interval and spelling it right;
// then after the minor third only the positions above it, the next one selected.
TEST_F(FormCustomScaleTest, OffersTheIntervalsAboveTheLastUntilResetKeepingTheName) {
    QStringList captions;
    for (int i = 0; i < next()->count(); ++i) {
        captions << next()->itemText(i);
    }
    EXPECT_EQ(captions.join(" | "),
              "Minor Second (b2) | Major Second (2) | Augmented Second (#2) | Minor Third (b3) | "
              "Major Third (3) | (Perfect) Fourth (4) | Augmented Fourth (Tritone) (#4) | "
              "Diminished Fifth (Tritone) (b5) | (Perfect) Fifth (5) | Augmented Fifth (#5) | "
              "Minor Sixth (b6) | Major Sixth (6) | Diminished Seventh (bb7) | "
              "Minor Seventh (b7) | Major Seventh (7)");
    control<QLineEdit>("TextScaleName")->setText("My Blues");
    next()->setCurrentText("Minor Third (b3)");
    click("BtnAdd");
    EXPECT_EQ(next()->count(), 11);
    EXPECT_EQ(next()->currentText(), "Major Third (3)");
    // The major seventh is the last position: nothing more can be added.
    next()->setCurrentText("Major Seventh (7)");
    click("BtnAdd");
    EXPECT_EQ(built(), "1,b3,7");
    EXPECT_FALSE(next()->isEnabled() || control("BtnAdd")->isEnabled());
    // Reset starts again from the root; adding the first offer each time then gives every
    // spelling of the chromatic scale once.
    click("BtnReset");
    for (int i = 0; i < 15; ++i) {
        click("BtnAdd");
    }
    click("BtnOk");
    EXPECT_EQ(dialog->strScaleCode(), "1,b2,2,#2,b3,3,4,#4,b5,5,#5,b6,6,bb7,b7,7");
    EXPECT_EQ(dialog->strScaleName(), "My Blues");
}

// OK gives a new scale, at once the root alone under the default name; the window's close button
// leaves without one (Cancel and Escape: the window's dialog wiring tests). Enter in the name box
// presses no button; Enter or Space on a focused button presses it.
TEST_F(FormCustomScaleTest, OnlyOkGivesANewScaleAndEnterPressesOnlyAFocusedButton) {
    click("BtnOk");
    EXPECT_EQ(dialog->boolNewScale(), true);
    EXPECT_EQ(dialog->strScaleCode() + dialog->strScaleName(), "1User-defined Scale");
    reopen();
    dialog->close();
    EXPECT_FALSE(dialog->boolNewScale());
    reopen();
    QTest::keyClick(control("TextScaleName"), Qt::Key_Return);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        control("BtnAdd")->setFocus();
        QTest::keyClick(control("BtnAdd"), key);
    }
    control("BtnOk")->setFocus();
    QTest::keyClick(control("BtnOk"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->strScaleCode(), "1,b2,2,#2");
}
