#include "FormKeyboardSetup.h"

#include "DialogFixture.h"

#include <QCheckBox>

namespace {

class FormKeyboardSetupTest : public DialogFixture<FormKeyboardSetup> {
  protected:
    QComboBox* options() const { return control<QComboBox>("ComboOptions"); }
    bool ticked(const char* strName) const { return control<QCheckBox>(strName)->isChecked(); }
};

TEST_F(FormKeyboardSetupTest, OpensAsAFixedDialogWithItsTabOrder) {
    EXPECT_EQ(dialog->windowTitle(), "Keyboard Setup");
    EXPECT_EQ(dialog->size(), QSize(313, 128));
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(control<QWidget>("CheckShowInterval")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(tabWalk(4), QStringList({"ComboOptions", "CheckShowNote", "CheckShowInterval",
                                       "BtnOK", "BtnCancel"}));
}

TEST_F(FormKeyboardSetupTest, OpeningShowsTheDefaults) {
    EXPECT_EQ(entries(options()),
              QStringList({"one octave higher", "in same octave", "one octave lower"}));
    EXPECT_EQ(options()->currentText(), "in same octave");
    EXPECT_TRUE(ticked("CheckShowNote"));
    EXPECT_FALSE(ticked("CheckShowInterval"));
}

TEST_F(FormKeyboardSetupTest, OpeningShowsStoredSettings) {
    Globals::setKeyboardOctave(0);
    Globals::setShowNoteNames(false);
    Globals::setShowIntervals(true);

    reopen();

    EXPECT_EQ(options()->currentText(), "one octave higher");
    EXPECT_FALSE(ticked("CheckShowNote"));
    EXPECT_TRUE(ticked("CheckShowInterval"));
}

TEST_F(FormKeyboardSetupTest, OkStoresTheChoices) {
    choose("ComboOptions", "one octave lower");
    click("CheckShowNote");
    click("CheckShowInterval");

    // OK is the default button.
    QTest::keyClick(dialog.get(), Qt::Key_Return);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Globals::KeyboardOctave(), 2);
    EXPECT_FALSE(Globals::ShowNoteNames());
    EXPECT_TRUE(Globals::ShowIntervals());
}

class FormKeyboardSetupDismissTest
    : public DialogFixture<FormKeyboardSetup, ::testing::TestWithParam<Dismissal>> {};

TEST_P(FormKeyboardSetupDismissTest, LeavingWithoutOkChangesNoSetting) {
    choose("ComboOptions", "one octave lower");
    click("CheckShowNote");
    click("CheckShowInterval");

    dismiss(dialog.get(), GetParam());

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Globals::KeyboardOctave(), 1);
    EXPECT_TRUE(Globals::ShowNoteNames());
    EXPECT_FALSE(Globals::ShowIntervals());
}

INSTANTIATE_TEST_SUITE_P(AllWays, FormKeyboardSetupDismissTest,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseButton),
                         [](const auto& info) { return dismissalName(info.param); });

} // namespace
