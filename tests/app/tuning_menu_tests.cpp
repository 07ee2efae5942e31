// Display -> Tuning and "Remember the instrument setup" as the user meets them in the window.

#include "Globals.h"
#include "WindowFixture.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace {

constexpr const char* kOnFretboard = "C Ionian [1,2,3,4,5,6,7] bold C; fretboard; mode 0; rows 0/0";

class TuningMenuTest : public WindowFixture {
  protected:
    void SetUp() override { QSettings().clear(); }

    // The strings as the settings hold them, string 1 first: "E5 B4 G4 D4 A3 E3".
    static QString strings() {
        QStringList names;
        for (int i = 1; i <= Globals::NumberOfStrings(); ++i) {
            names << QString::fromStdString(Globals::Tuning(i)->getNoteName(true));
        }
        return names.join(' ');
    }
    // The marked preset (the presets mark one at most), without the "mnuTuning" prefix.
    QString marked() const {
        const QAction* action = child<QAction>("mnuTuningViolin")->actionGroup()->checkedAction();
        return action == nullptr ? "" : action->objectName().mid(9);
    }
    void choose(const char* strAction) const { child<QAction>(strAction)->trigger(); }
    // The fretboard setup opened from the menu, its steps (see useDialog()) taken, confirmed.
    void setUpFretboard(const QStringList& steps) {
        useDialog("mnuFretboardSetup", "FormFretboardSetup", steps + QStringList{"BtnOK"});
    }
};

// The captions and the strings of each preset are pinned by the presets' tests.
TEST_F(TuningMenuTest, GroupedPresetsSetTheStringsAndRedrawAndTheMarkFollows) {
    start();
    // Each preset as the first letter of its caption, "-" a separator.
    QString strGroups;
    for (const QAction* action : child<QMenu>("mnuTuning")->actions()) {
        strGroups += action->isSeparator() ? '-' : action->text()[0];
    }
    EXPECT_EQ(strGroups, "GGGGGGGGGG-BBB-UU-M-V-V-C");
    EXPECT_EQ(marked(), "GuitarStandard");
    EXPECT_FALSE(child<QAction>("mnuRememberSetup")->isChecked());
    const QImage before = shownPicture();
    choose("mnuTuningBassFiveString");
    EXPECT_EQ(strings(), "G3 D3 A2 E2 B1");
    EXPECT_NE(pictureDifference(shownPicture(), before), "");
    expectShows(kOnFretboard);
    // On the keyboard a preset changes the settings and still redraws the keyboard.
    pressKey(Qt::Key_F3);
    choose("mnuTuningUkuleleStandard");
    EXPECT_EQ(strings(), "A5 E5 C5 G5");
    expectShows("C Ionian [1,2,3,4,5,6,7] bold C; keyboard; mode 0; rows 0/0");
    // The mark follows the dialog and prefers the last choice.
    choose("mnuTuningViolin");
    choose("mnuTuningViolin"); // clicking the marked item again keeps it marked
    EXPECT_EQ(marked(), "Violin");
    // The top string to F: no preset has these strings. Back to E: the violin again, not the
    // mandolin with the same strings.
    setUpFretboard({"ComboString0=F"});
    EXPECT_EQ(strings(), "F3 A3 D3 G3");
    EXPECT_EQ(marked(), "");
    setUpFretboard({"ComboString0=E"});
    EXPECT_EQ(marked(), "Violin");
    // Viola strings by hand, the violin chosen last: the first of viola and cello.
    setUpFretboard({"ComboStrings=4-stringed Instrument", "ComboString0=A", "ComboString1=D",
                    "ComboString2=G", "ComboString3=C"});
    EXPECT_EQ(marked(), "Viola");
}

// Restarts with and without remembering, the configuration file and damaged preferences are
// checked on the real program by the end-to-end tests.
TEST_F(TuningMenuTest, RememberedSetupComesBackAtTheNextStartWithItsMark) {
    start();
    choose("mnuRememberSetup");
    Globals::setLeftHand(true);
    setUpFretboard({}); // the dialog's OK stores every string in octave 3
    choose("mnuTuningViolin");
    window.reset();
    Globals::setDefaultSettings();
    start();
    EXPECT_TRUE(child<QAction>("mnuRememberSetup")->isChecked());
    EXPECT_EQ(strings(), "E6 A5 D5 G4");
    EXPECT_TRUE(Globals::LeftHand());
    EXPECT_EQ(marked(), "Violin") << "not the mandolin with the same strings";
    expectShows(kOnFretboard);
}

} // namespace
