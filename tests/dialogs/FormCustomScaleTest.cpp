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
