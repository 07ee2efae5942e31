#include "FormKeyboardSetup.h"

#include "DialogFixture.h"

#include <QCheckBox>

using FormKeyboardSetupTest = DialogFixture<FormKeyboardSetup>;

// The user picks "one octave lower", hides note names and shows intervals: OK stores that,
// Cancel leaves the defaults the dialog opened with.
TEST_F(FormKeyboardSetupTest, OpensOnTheDefaultsAndOnlyOkStoresChanges) {
    EXPECT_EQ(control<QComboBox>("ComboOptions")->currentText(), "in same octave");
    EXPECT_TRUE(control<QCheckBox>("CheckShowNote")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CheckShowInterval")->isChecked());
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

// Each control shows its own stored setting, changed one at a time.
TEST_F(FormKeyboardSetupTest, OpensOnTheStoredSettings) {
    const std::tuple<void (*)(), const char*, bool, bool> kRows[]{
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
