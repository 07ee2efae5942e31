#include "FormKeyboardSetup.h"

#include "DialogFixture.h"

#include <QCheckBox>

using FormKeyboardSetupTest = DialogFixture<FormKeyboardSetup>;

// Each control shows its own stored setting, changed one at a time (the first row: defaults).
TEST_F(FormKeyboardSetupTest, OpensOnTheStoredSettings) {
    const std::tuple<void (*)(), const char*, bool, bool> kRows[]{
        {[] {}, "in same octave", true, false},
        {[] { Globals::setKeyboardOctave(0); }, "one octave higher", true, false},
        {[] { Globals::setKeyboardOctave(2); }, "one octave lower", true, false},
        {[] { Globals::setShowNoteNames(false); }, "in same octave", false, false},
        {[] { Globals::setShowIntervals(true); }, "in same octave", true, true}};
    for (const auto& [change, strOctave, boolNames, boolIntervals] : kRows) {
        reopen(change);
        EXPECT_EQ(control<QComboBox>("ComboOptions")->currentText(), strOctave);
        EXPECT_EQ(control<QCheckBox>("CheckShowNote")->isChecked(), boolNames) << strOctave;
        EXPECT_EQ(control<QCheckBox>("CheckShowInterval")->isChecked(), boolIntervals);
    }
}

// "One octave lower", note names hidden, intervals shown: OK stores that, Cancel nothing.
TEST_F(FormKeyboardSetupTest, OnlyOkStoresChanges) {
    for (const bool boolOk : {false, true}) {
        reopen();
        choose("ComboOptions", "one octave lower");
        click("CheckShowNote");
        click("CheckShowInterval");
        click(boolOk ? "BtnOK" : "BtnCancel");
        EXPECT_EQ(Globals::KeyboardOctave(), boolOk ? 2 : 1);
        EXPECT_EQ(Globals::ShowNoteNames(), !boolOk);
        EXPECT_EQ(Globals::ShowIntervals(), boolOk);
    }
}
