#include "FormFretboardSetup.h"

#include "DialogFixture.h"

#include <QCheckBox>

class FormFretboardSetupTest : public DialogFixture<FormFretboardSetup> {
  protected:
    // The string count and what the string lists show, string 1 first ("-" for an unused one),
    // then per box (fret numbers, tuning, intervals, left hand) "x" when checked, else ".".
    QString shown() const {
        QString strShown = control<QComboBox>("ComboStrings")->currentText().left(1) + ":";
        for (int i = 0; i < FormFretboardSetup::kStringLists; ++i) {
            const auto* combo = control<QComboBox>(QString("ComboString%1").arg(i));
            strShown += " " + (combo->isEnabled() ? combo->currentText() : "-");
        }
        for (const char* strBox :
             {"CheckShowFrets", "CheckShowTuning", "CheckDisplayIntervals", "CheckLeftHand"}) {
            strShown += control<QCheckBox>(strBox)->isChecked() ? " x" : " .";
        }
        return strShown;
    }
    // A stored open-string note with its octave.
    static std::string stored(int i) { return Globals::Tuning(i)->getNoteName(true); }
};

// Each box shows its own setting, the two runs telling every two boxes apart; a stored
// five-string banjo tuning (D3 B3 G3 D3 G4) is shown as stored.
TEST_F(FormFretboardSetupTest, OpensOnTheStoredSettings) {
    for (const bool boolBanjo : {true, false}) {
        reopen([boolBanjo] {
            Globals::setShowFretNumbers(false);
            Globals::setShowTuning(boolBanjo);
            Globals::setDisplayIntervals(!boolBanjo);
            Globals::setLeftHand(true);
            Globals::setNumberOfStrings(boolBanjo ? 5 : 6);
            for (int i = 1; i <= 5 && boolBanjo; ++i) {
                Globals::Tuning(i)->setNote(std::string("D3B3G3D3G4").substr(2 * i - 2, 2));
            }
        });
        EXPECT_EQ(shown(), boolBanjo ? "5: D B G D G - - . x . x" : "6: E B G D A E - . . x x");
    }
}

// 7 strings start on C; 4 strings then OK stores four C3.
TEST_F(FormFretboardSetupTest, ANewStringCountStartsEveryStringOnC) {
    control<QComboBox>("ComboStrings")->setCurrentText("7-stringed Instrument");
    EXPECT_EQ(shown(), "7: C C C C C C C x x x .");
    control<QComboBox>("ComboStrings")->setCurrentText("4-stringed Instrument");
    click("BtnOK");
    EXPECT_EQ(Globals::NumberOfStrings(), 4);
    EXPECT_EQ(stored(1) + stored(2) + stored(3) + stored(4), "C3C3C3C3");
}

// Standard tuning with a C# on string 2 and an A# on string 5, shown in flats after the toggle,
// left-handed and without fret numbers: OK stores it all as shown, Cancel none of it.
TEST_F(FormFretboardSetupTest, ToggleRespellsThePitchesAndOnlyOkStoresChanges) {
    for (const char* strClose : {"BtnCancel", "BtnOK"}) {
        reopen();
        control<QComboBox>("ComboString1")->setCurrentIndex(1);
        control<QComboBox>("ComboString4")->setCurrentIndex(10);
        for (const char* strButton : {"BtnToggle", "CheckLeftHand", "CheckShowFrets"}) {
            click(strButton);
        }
        EXPECT_EQ(shown(), "6: E Db G D Bb E - . x x x");
        click(strClose);
        const bool boolOk = strClose == std::string("BtnOK");
        EXPECT_EQ(stored(2) + stored(5), boolOk ? "Db3Bb3" : "B4A3");
        EXPECT_EQ(Globals::LeftHand(), boolOk);
        EXPECT_EQ(Globals::ShowFretNumbers(), !boolOk);
    }
}
