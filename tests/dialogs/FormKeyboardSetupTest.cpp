#include "FormKeyboardSetup.h"

#include "DialogFixture.h"

#include <QCheckBox>

using FormKeyboardSetupTest = DialogFixture<FormKeyboardSetup>;

// Each control shows its own stored setting; the two runs tell the two boxes apart.
TEST_F(FormKeyboardSetupTest, OpensOnTheStoredSettings) {
    for (const int intOctave : {0, 2}) {
        reopen([intOctave] {
            Globals::setKeyboardOctave(intOctave);
            Globals::setShowNoteNames(intOctave == 0);
            Globals::setShowIntervals(intOctave == 2);
        });
        EXPECT_EQ(control<QComboBox>("ComboOptions")->currentText(),
                  intOctave == 0 ? "one octave higher" : "one octave lower");
        EXPECT_EQ(control<QCheckBox>("CheckShowNote")->isChecked(), intOctave == 0);
        EXPECT_EQ(control<QCheckBox>("CheckShowInterval")->isChecked(), intOctave == 2);
    }
}

// "One octave lower", note names hidden, intervals shown: OK stores that, Cancel nothing.
TEST_F(FormKeyboardSetupTest, OnlyOkStoresChanges) {
    for (const bool boolOk : {false, true}) {
        reopen();
        control<QComboBox>("ComboOptions")->setCurrentText("one octave lower");
        click("CheckShowNote");
        click("CheckShowInterval");
        click(boolOk ? "BtnOK" : "BtnCancel");
        EXPECT_EQ(Globals::KeyboardOctave(), boolOk ? 2 : 1);
        EXPECT_EQ(Globals::ShowNoteNames(), !boolOk);
        EXPECT_EQ(Globals::ShowIntervals(), boolOk);
    }
}
