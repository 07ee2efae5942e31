#include "FormCustomScale.h"

#include "DialogFixture.h"

#include <QLineEdit>
#include <functional>

class FormCustomScaleTest : public DialogFixture<FormCustomScale> {
  protected:
    QString built() const { return control<QLineEdit>("TextScale")->text(); }
    QComboBox* next() const { return control<QComboBox>("ComboNext"); }
    void add(const char* strCaption) {
        choose("ComboNext", strCaption);
        click("BtnAdd");
    }
};

TEST_F(FormCustomScaleTest, OnlyHigherIntervalsAreOfferedUntilResetKeepingTheName) {
    control<QLineEdit>("TextScaleName")->setText("My Blues");
    // After the minor third the eleven positions from the major third up remain, the first
    // of them selected.
    add("Minor Third (b3)");
    EXPECT_EQ(next()->count(), 11);
    EXPECT_EQ(next()->currentText(), "Major Third (3)");
    // The major seventh is the last position: nothing more can be added.
    add("Major Seventh (7)");
    EXPECT_EQ(built(), "1,b3,7");
    EXPECT_FALSE(next()->isEnabled());
    EXPECT_FALSE(control("BtnAdd")->isEnabled());
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

// OK at once gives the root alone under the default name; Cancel, Escape and the window's
// close button all leave without a new scale.
TEST_F(FormCustomScaleTest, OnlyOkGivesANewScale) {
    click("BtnOk");
    EXPECT_TRUE(dialog->boolNewScale());
    EXPECT_EQ(dialog->strScaleCode(), "1");
    EXPECT_EQ(dialog->strScaleName(), "User-defined Scale");
    const std::function<void()> kWays[]{
        [&] { click("BtnCancel"); },
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
        [&] { dialog->close(); }};
    for (const auto& leave : kWays) {
        reopen();
        click("BtnAdd");
        leave();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE(dialog->boolNewScale());
    }
}

// Every caption of the interval list, in order: each names its interval and spells it right.
TEST_F(FormCustomScaleTest, CaptionsNameTheIntervals) {
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
}

// Enter in the name box presses no button; Enter or Space on a focused button presses it.
TEST_F(FormCustomScaleTest, EnterPressesOnlyAFocusedButton) {
    QTest::keyClick(control("TextScaleName"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(built(), "1");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        control("BtnAdd")->setFocus();
        QTest::keyClick(control("BtnAdd"), key);
    }
    EXPECT_EQ(built(), "1,b2,2,#2");
    control("BtnOk")->setFocus();
    QTest::keyClick(control("BtnOk"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->strScaleCode(), "1,b2,2,#2");
}
