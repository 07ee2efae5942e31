// The chord builder of the main window, driven through its controls as a user would: list clicks,
// check boxes, option buttons, root buttons, menu keys.

#include "WindowFixture.h"

#include <QAbstractButton>
#include <ostream>

namespace {

class ChordWindow : public WindowFixture {
  protected:
    void SetUp() override {
        start();
        perform("F9");
    }

    // One user step: "T2", "Q4", "S1" click that row of the triad, four-note or scale list ("^Q4"
    // with Ctrl, "Q-" sets no row); "About" opens the About box and closes it with Escape; a word
    // that starts one button's caption clicks that button; any other step is a key ("F9", "Down").
    void perform(const QString& strStep) {
        const QString strRow = strStep.mid(strStep.startsWith('^') ? 1 : 0);
        const auto intList = QString("TQS").indexOf(strRow[0]);
        QList<QAbstractButton*> found = window->findChildren<QAbstractButton*>();
        found.removeIf([&](auto* button) { return button->text().section(' ', 0, 0) != strStep; });
        if (strStep == "About") {
            whenModalShown([](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); });
            child<QAction>("mnuAbout")->trigger();
            activate();
        } else if (strRow.size() == 2 && intList >= 0) {
            const char* strList = std::array{"ListTriad", "ListQuadriad", "ListScale"}[intList];
            strRow[1] == '-' // from code, as the handlers themselves do
                ? child<QListWidget>(strList)->setCurrentRow(-1)
                : clickRow(strList, strRow[1].digitValue(), 0,
                           strRow == strStep ? Qt::NoModifier : Qt::ControlModifier);
        } else if (found.size() == 1) {
            QTest::mouseClick(found[0], Qt::LeftButton, {}, {6, found[0]->height() / 2});
            // The focus stays on the control the user clicked, whatever the click changed.
            EXPECT_EQ(QApplication::focusWidget(), found[0]) << strStep.toStdString();
        } else {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : window.get(),
                            QKeySequence(strStep)[0].key());
        }
    }
};

// The steps (see ChordWindow::perform), the interval and title lines, then the controls (see
// WindowFixture::controls) as far as given: the option rows' look right after a switch between the
// two lists is left open.
struct Scenario {
    const char *strName, *strSteps, *strIntervals, *strTitle, *strControls;
};

// Printed by name, so that CTest's name for the test stays the same from build to build.
void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.strName;
}

// clang-format off
const Scenario kScenarios[]{
    // The other triads (the minor one: below) cannot be suspended or lose their third; the fifth
    // indicator follows.
    {"DiminishedTriad", "T2", "1,b3,b5", "C o", "... ---- 9 11 13 b5"},
    {"AugmentedTriad", "T3", "1,3,#5", "C +", "... ---- 9 11 13 #5"},
    // C add9 without its third is Csus2: the sus2 box follows. Csus4 = C F G.
    {"Add9ThenNoThirdIsSus2", "add9 (no3rd)", "1,2,5", "C sus2", "x.. x.x- 9 11 13 5"},
    {"Sus4", "sus4", "1,4,5", "C sus4", ".x. xx.- 9 11 13 5"},
    // C D F G is named from the second.
    {"Sus2ThenSus4", "sus2 sus4", "1,2,4,5", "C sus2", "xx. xxx- 9 11 13 5"},
    // Csus2 with its third back is C add9; without its ninth, the power chord.
    {"Sus2ThenThirdBack", "sus2 (no3rd)", "1,2,3,5", "C add9", "x.. ...- 9 11 13 5"},
    {"Sus2WithoutNinthIsFifth", "sus2 add9", "1,5", "C 5", "... x.x- 9 11 13 5"},
    {"MinorSixNine", "T1 add9 add13", "1,2,b3,5,6", "C m6/9", "x.x ---- 9 11 13 5"},
    // C7b9; dropping the ninth greys its row and puts it back on "9".
    {"SeventhFlatNine", "Q2 add9 b9", "1,b2,3,5,b7", "C 7/b9", "x.. -.-- b9* 11 13"},
    {"SeventhFlatNineRemoved", "Q2 add9 b9 add9", "1,3,5,b7", "C 7", "... -.-- 9 11 13"},
    // C7sus4 = C F G Bb; no3rd is checked although not offered.
    {"SeventhSus4", "Q2 sus4", "1,4,5,b7", "C 7sus4/11", ".x. Xx-- 9 11* 13"},
    // A raised eleventh is no suspension: the third returns, F# stays as #11. Chosen before
    // sus4, #11 keeps the third: only a natural eleventh replaces it.
    {"Sus4ThenSharpEleven", "Q2 sus4 #11", "1,3,#4,5,b7", "C 7/#11", ".x. -.-- 9 #11* 13"},
    {"SharpElevenThenSus4", "Q2 add11 #11 sus4", "1,3,#4,5,b7", "C 7/#11", ".x. Xx-- 9 #11* 13"},
    {"SeventhFlatThirteen", "Q2 add13 b13", "1,3,5,b6,b7", "C 7/b13", "..x -.-- 9 11 b13*"},
    // Only maj7 and 7 can be suspended.
    {"MajorSeventhSus4", "Q1 sus4", "1,4,5,7", "C maj7sus4/11", ".x. Xx-- 9 11* 13"},
    {"MajorSeventhSharpFive", "Q0", "1,3,#5,7", "C maj7#5", "... ----"},
    {"MinorSeventh", "Q4", "1,b3,5,b7", "C m7", "... ----"},
    {"HalfDiminished", "Q5", "1,b3,b5,b7", "C m7b5", "... ----"},
    {"DiminishedSeventh", "Q6", "1,b3,b5,bb7", "C o7", "... ----"},
    // C7#9 suspended: #9 counts as the ninth, so the greyed sus2 comes along; releasing sus4
    // takes sus2 along and puts the ninth back on "9".
    {"SharpNineThenSus4", "Q2 add9 #9 sus4", "1,#2,4,5,b7", "C 7sus4/#9/11", "xx. XxX- #9* 11* 13"},
    {"SharpNineSus4Released", "Q2 add9 #9 sus4 sus4", "1,2,3,5,b7", "C 7/9", "x.. -.-- 9* 11 13"},
    // A chord from the other list (mmaj7, m) starts plain: additions never travel along.
    {"TriadAdditionsDropped", "sus2 add13 Q3", "1,b3,5,7", "C mmaj7", "... ----"},
    {"QuadriadAdditionsDropped", "Q2 add9 b9 sus4 add13 T1", "1,b3,5", "C m", "... ----"},
    // A new root re-roots the chord as it stands: Bb7sus4 = Bb Eb F Ab.
    {"RootBFlatKeepsSus4", "Q2 sus4 B b", "1,4,5,b7", "Bb 7sus4/11", ".x. Xx-- 9 11* 13"},
    // Chord mode starts and restarts on the major triad, both lists scrolled back to their first
    // rows.
    {"RestartFromTheLastRows", "T3 Q6 F9", "1,3,5", "C ", "... ...- 9 11 13 5"},
    {"RestartAfterScales", "Q2 add9 b9 sus4 F5 F9", "1,3,5", "C ", "... ...-"},
    // Ctrl+click on the selected row keeps it selected (checked below).
    {"CtrlClickOnTheSelectedRow", "Q1 ^Q1", "1,3,5,7", "C maj7", "... -.--"},
    // A list without a current row picks none when it gets the focus back after a dialog.
    {"RegainedFocusPicksNoRow", "Q1 F9 About", "1,3,5", "C ", "... ...-"},
    // A list set to no row from code changes nothing: its handler returns at once.
    {"TriadClearedFromCode", "T1 T-", "1,b3,5", "C m", "... ----"},
    {"QuadriadClearedFromCode", "Q2 add9 Q-", "1,2,3,5,b7", "C 7/9", "x.. -.-- 9* 11 13"},
    // The scale list behind the chord frame takes no more arrow keys: the triad list has the
    // focus then.
    {"ScaleListBehindTheFrame", "F5 S1 F9 Down", "1,b3,5", "C m", "... ----"},
};
// clang-format on

class ChordScenario : public ChordWindow, public ::testing::WithParamInterface<Scenario> {};

TEST_P(ChordScenario, ShowsTheChordAndItsControls) {
    const Scenario& s = GetParam();
    for (const QString& strStep : QString(s.strSteps).split(' ', Qt::SkipEmptyParts)) {
        perform(strStep);
    }
    EXPECT_EQ(lineText("TextScale").toStdString(), s.strIntervals);
    EXPECT_EQ(lineText("TextTitle").toStdString(), s.strTitle);
    EXPECT_EQ(controls().section(' ', 0, QString(s.strControls).count(' ')).toStdString(),
              s.strControls);
    EXPECT_EQ(marks(), marksFor(QString(s.strTitle).section(' ', 0, 0), s.strIntervals, true));
    for (const QListWidget* list : window->findChildren<QListWidget*>()) {
        EXPECT_EQ(list->selectedItems().value(0), list->currentItem()) << s.strName;
        EXPECT_TRUE(!QString(s.strSteps).endsWith("F9") || list->indexAt({2, 2}).row() == 0)
            << list->objectName().toStdString() << " scrolled";
    }
}

INSTANTIATE_TEST_SUITE_P(ChordBuilder, ChordScenario, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.strName); });

} // namespace
