#include "FormFretboardSetup.h"

#include "DialogFixture.h"
#include "SimpleNote.h"

#include <QCheckBox>
#include <array>
#include <string>

namespace {

const QStringList kSharpNames{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const QStringList kFlatNames{"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};

class FormFretboardSetupTest : public DialogFixture<FormFretboardSetup> {
  protected:
    QComboBox* stringList(int i) const {
        return control<QComboBox>(QStringLiteral("ComboString%1").arg(i).toLatin1().constData());
    }

    // What the seven string lists show, string 1 first; "-" for a list without a selection.
    QStringList shownTuning() const {
        QStringList names;
        for (int i = 0; i < FormFretboardSetup::kStringLists; ++i) {
            const QComboBox* combo = stringList(i);
            names << (combo->currentIndex() < 0 ? QStringLiteral("-") : combo->currentText());
        }
        return names;
    }

    QList<bool> enabledLists() const {
        QList<bool> enabled;
        for (int i = 0; i < FormFretboardSetup::kStringLists; ++i) {
            enabled << stringList(i)->isEnabled();
        }
        return enabled;
    }

    static std::string storedNote(int intString) {
        return Globals::Tuning(intString)->getNoteName(true);
    }

    bool ticked(const char* strName) const { return control<QCheckBox>(strName)->isChecked(); }
};

TEST_F(FormFretboardSetupTest, OpensAsAFixedDialogWithItsTabOrder) {
    EXPECT_EQ(dialog->windowTitle(), "Fretboard Setup");
    EXPECT_EQ(dialog->size(), QSize(401, 160));
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    // Check boxes sit in the frame, placed relative to it.
    EXPECT_EQ(control<QWidget>("CheckLeftHand")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(control<QWidget>("CheckLeftHand")->geometry(), QRect(152, 32, 121, 17));
    control<QWidget>("ComboStrings")->setFocus();
    // The disabled seventh list is skipped.
    EXPECT_EQ(
        tabWalk(12),
        QStringList({"ComboStrings", "ComboString0", "ComboString1", "ComboString2", "ComboString3",
                     "ComboString4", "ComboString5", "CheckShowFrets", "CheckShowTuning",
                     "CheckDisplayIntervals", "CheckLeftHand", "BtnToggle", "BtnOK"}));
}

TEST_F(FormFretboardSetupTest, OpeningShowsTheDefaultGuitar) {
    auto* strings = control<QComboBox>("ComboStrings");
    EXPECT_EQ(entries(strings), QStringList({"3-stringed Instrument", "4-stringed Instrument",
                                             "5-stringed Instrument", "6-stringed Instrument",
                                             "7-stringed Instrument"}));
    EXPECT_EQ(strings->currentText(), "6-stringed Instrument");
    // Standard tuning from the top string down; no seventh string.
    EXPECT_EQ(shownTuning(), QStringList({"E", "B", "G", "D", "A", "E", "-"}));
    EXPECT_EQ(enabledLists(), QList<bool>({true, true, true, true, true, true, false}));
    EXPECT_EQ(entries(stringList(0)), kSharpNames);
    EXPECT_TRUE(ticked("CheckShowFrets"));
    EXPECT_TRUE(ticked("CheckShowTuning"));
    EXPECT_TRUE(ticked("CheckDisplayIntervals"));
    EXPECT_FALSE(ticked("CheckLeftHand"));
}

TEST_F(FormFretboardSetupTest, OpeningShowsAStoredSevenStringTuningInSharps) {
    Globals::setNumberOfStrings(7);
    auto lowB = std::make_shared<SimpleNote>();
    lowB->setNote("B2");
    Globals::setTuning(7, lowB);
    auto bFlat = std::make_shared<SimpleNote>();
    bFlat->setNote("Bb4");
    Globals::setTuning(2, bFlat);
    Globals::setLeftHand(true);
    Globals::setShowTuning(false);

    reopen();

    EXPECT_EQ(control<QComboBox>("ComboStrings")->currentText(), "7-stringed Instrument");
    // The lists open in sharps, so the stored Bb shows as A#.
    EXPECT_EQ(shownTuning(), QStringList({"E", "A#", "G", "D", "A", "E", "B"}));
    EXPECT_TRUE(stringList(6)->isEnabled());
    EXPECT_TRUE(ticked("CheckLeftHand"));
    EXPECT_FALSE(ticked("CheckShowTuning"));
}

TEST_F(FormFretboardSetupTest, ChangingTheStringCountResetsTheStringsInUseToC) {
    choose("ComboStrings", "7-stringed Instrument");
    EXPECT_EQ(shownTuning(), QStringList({"C", "C", "C", "C", "C", "C", "C"}));
    EXPECT_EQ(enabledLists(), QList<bool>(7, true));

    choose("ComboStrings", "4-stringed Instrument");
    EXPECT_EQ(enabledLists(), QList<bool>({true, true, true, true, false, false, false}));
    EXPECT_EQ(shownTuning().mid(0, 4), QStringList({"C", "C", "C", "C"}));

    click("BtnOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Globals::NumberOfStrings(), 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(storedNote(i), "C3") << "string " << i;
    }
    // Strings no longer in use keep their notes.
    EXPECT_EQ(storedNote(5), "A3");
    EXPECT_EQ(storedNote(6), "E3");
}

TEST_F(FormFretboardSetupTest, ToggleRespellsTheChosenPitches) {
    // Open D tuning with a C# and an A# put in: D A D F# A D, then string 2 C#, string 5 A#.
    const std::array<int, 6> intPitches{2, 1, 2, 6, 10, 2};
    for (std::size_t i = 0; i < intPitches.size(); ++i) {
        stringList(static_cast<int>(i))->setCurrentIndex(intPitches[i]);
    }

    click("BtnToggle");
    EXPECT_EQ(entries(stringList(0)), kFlatNames);
    EXPECT_EQ(shownTuning(), QStringList({"D", "Db", "D", "Gb", "Bb", "D", "-"}));
    EXPECT_EQ(enabledLists(), QList<bool>({true, true, true, true, true, true, false}));

    click("BtnToggle");
    EXPECT_EQ(entries(stringList(0)), kSharpNames);
    EXPECT_EQ(shownTuning(), QStringList({"D", "C#", "D", "F#", "A#", "D", "-"}));

    click("BtnToggle");
    click("BtnOK");
    // Stored in the flat spelling shown, each open string in octave 3.
    const std::array<std::string, 6> stored{"D3", "Db3", "D3", "Gb3", "Bb3", "D3"};
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(storedNote(static_cast<int>(i) + 1), stored[i]) << "string " << i + 1;
    }
    EXPECT_EQ(Globals::NumberOfStrings(), 6);
}

TEST_F(FormFretboardSetupTest, ToggleReturnsToTheStringCountAtOpening) {
    choose("ComboStrings", "4-stringed Instrument");

    click("BtnToggle");

    EXPECT_EQ(control<QComboBox>("ComboStrings")->currentText(), "6-stringed Instrument");
    EXPECT_EQ(enabledLists(), QList<bool>({true, true, true, true, true, true, false}));
    // The four strings reset to C stay C; strings 5 and 6 show their pitch from opening.
    EXPECT_EQ(shownTuning(), QStringList({"C", "C", "C", "C", "A", "E", "-"}));
}

TEST_F(FormFretboardSetupTest, OkStoresTheOptionsAsTicked) {
    click("CheckShowFrets");
    click("CheckLeftHand");

    QTest::keyClick(dialog.get(), Qt::Key_Return);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(Globals::ShowFretNumbers());
    EXPECT_TRUE(Globals::LeftHand());
    EXPECT_TRUE(Globals::ShowTuning());
    EXPECT_TRUE(Globals::DisplayIntervals());
    EXPECT_EQ(storedNote(1), "E3");
    EXPECT_EQ(storedNote(6), "E3");
}

class FormFretboardSetupDismissTest
    : public DialogFixture<FormFretboardSetup, ::testing::TestWithParam<Dismissal>> {};

TEST_P(FormFretboardSetupDismissTest, LeavingWithoutOkChangesNoSetting) {
    std::array<std::shared_ptr<SimpleNote>, 7> tuningBefore;
    for (int i = 1; i <= 7; ++i) {
        tuningBefore[static_cast<std::size_t>(i - 1)] = Globals::Tuning(i);
    }
    choose("ComboStrings", "5-stringed Instrument");
    click("BtnToggle");
    click("CheckShowFrets");
    click("CheckShowTuning");
    click("CheckDisplayIntervals");
    click("CheckLeftHand");

    dismiss(dialog.get(), GetParam());

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Globals::NumberOfStrings(), 6);
    EXPECT_TRUE(Globals::ShowFretNumbers());
    EXPECT_TRUE(Globals::ShowTuning());
    EXPECT_TRUE(Globals::DisplayIntervals());
    EXPECT_FALSE(Globals::LeftHand());
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(Globals::Tuning(i), tuningBefore[static_cast<std::size_t>(i - 1)])
            << "string " << i;
    }
    EXPECT_EQ(Globals::Tuning(1)->getNoteName(true), "E5");
}

INSTANTIATE_TEST_SUITE_P(AllWays, FormFretboardSetupDismissTest,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseButton),
                         [](const auto& info) { return dismissalName(info.param); });

} // namespace
