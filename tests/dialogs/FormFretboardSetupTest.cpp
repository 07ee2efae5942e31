#include "FormFretboardSetup.h"

#include "DialogFixture.h"

#include <QCheckBox>
#include <array>

class FormFretboardSetupTest : public DialogFixture<FormFretboardSetup> {
  protected:
    // What the string lists show, string 1 first; "-" for the unused seventh.
    QStringList shownTuning() const {
        QStringList names;
        for (int i = 0; i < FormFretboardSetup::kStringLists; ++i) {
            const QComboBox* combo = control<QComboBox>(QStringLiteral("ComboString%1").arg(i));
            names << (combo->isEnabled() ? combo->currentText() : QStringLiteral("-"));
        }
        return names;
    }
    // A stored open-string note with its octave.
    static std::string stored(int i) { return Globals::Tuning(i)->getNoteName(true); }
};

TEST_F(FormFretboardSetupTest, OpensOnTheDefaultGuitar) {
    EXPECT_EQ(control<QComboBox>("ComboStrings")->currentText(), "6-stringed Instrument");
    EXPECT_EQ(shownTuning(), QStringList({"E", "B", "G", "D", "A", "E", "-"}));
    // Fret numbers, tuning and intervals shown, right-handed.
    for (const char* strBox :
         {"CheckShowFrets", "CheckShowTuning", "CheckDisplayIntervals", "CheckLeftHand"}) {
        EXPECT_EQ(control<QCheckBox>(strBox)->isChecked(), strBox != std::string("CheckLeftHand"))
            << strBox;
    }
}

// Each box shows its own setting: one setting changed at a time changes its box alone. A stored
// five-string banjo tuning (D3 B3 G3 D3 G4) is shown as stored.
TEST_F(FormFretboardSetupTest, OpensOnTheStoredSettings) {
    const std::pair<const char*, void (*)(bool)> kBoxes[]{
        {"CheckShowFrets", Globals::setShowFretNumbers},
        {"CheckShowTuning", Globals::setShowTuning},
        {"CheckDisplayIntervals", Globals::setDisplayIntervals},
        {"CheckLeftHand", Globals::setLeftHand}};
    for (const auto& [strChanged, setter] : kBoxes) {
        reopen([setter = setter, strChanged = strChanged] {
            setter(std::string(strChanged) == "CheckLeftHand");
        });
        for (const auto& [strBox, unused] : kBoxes) {
            EXPECT_EQ(control<QCheckBox>(strBox)->isChecked(),
                      (strBox != std::string("CheckLeftHand")) != (strBox == strChanged))
                << strChanged << " changed, " << strBox << " shown";
        }
    }
    reopen([] {
        Globals::setNumberOfStrings(5);
        for (int i = 1; i <= 5; ++i) {
            auto note = std::make_shared<SimpleNote>();
            note->setNote(
                std::array{"D3", "B3", "G3", "D3", "G4"}[static_cast<std::size_t>(i - 1)]);
            Globals::setTuning(i, note);
        }
    });
    EXPECT_EQ(control<QComboBox>("ComboStrings")->currentText(), "5-stringed Instrument");
    EXPECT_EQ(shownTuning(), QStringList({"D", "B", "G", "D", "G", "-", "-"}));
}

TEST_F(FormFretboardSetupTest, ANewStringCountStartsEveryStringOnC) {
    choose("ComboStrings", "7-stringed Instrument");
    EXPECT_EQ(shownTuning(), QStringList(7, "C"));
    choose("ComboStrings", "4-stringed Instrument");
    click("BtnOK");
    EXPECT_EQ(Globals::NumberOfStrings(), 4);
    EXPECT_EQ(stored(1) + stored(2) + stored(3) + stored(4), "C3C3C3C3");
}

// Standard tuning with a C# on string 2 and an A# on string 5, shown in flats after the toggle,
// left-handed and without fret numbers: OK stores it all as shown, Cancel none of it.
TEST_F(FormFretboardSetupTest, ToggleRespellsThePitchesAndOnlyOkStoresChanges) {
    for (const bool boolOk : {false, true}) {
        reopen();
        control<QComboBox>("ComboString1")->setCurrentIndex(1);
        control<QComboBox>("ComboString4")->setCurrentIndex(10);
        click("BtnToggle");
        click("CheckLeftHand");
        click("CheckShowFrets");
        EXPECT_EQ(shownTuning(), QStringList({"E", "Db", "G", "D", "Bb", "E", "-"}));
        click(boolOk ? "BtnOK" : "BtnCancel");
        EXPECT_EQ(stored(2), boolOk ? "Db3" : "B4");
        EXPECT_EQ(stored(5), boolOk ? "Bb3" : "A3");
        EXPECT_EQ(Globals::LeftHand(), boolOk);
        EXPECT_EQ(Globals::ShowFretNumbers(), !boolOk);
    }
}
