// The chord builder of the main window, driven through its controls as a user would: list clicks,
// check boxes, option buttons, root buttons and menu keys.

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Additions, then alterations; "no 7th" last, which nothing may ever change.
constexpr std::array<const char*, 7> kBoxes{"ChkAdd9", "ChkAdd11", "ChkAdd13", "ChkNo3",
                                            "ChkSus4", "ChkSus2",  "ChkNo7th"};

// Option rows and their button counts: the fifth indicator, then the alterations of the ninth,
// eleventh and thirteenth.
constexpr std::array<std::pair<const char*, unsigned>, 4> kOptionRows{
    {{"OptFifth", 3}, {"OptSecond", 3}, {"OptFourth", 2}, {"OptSixth", 2}}};

class ChordWindow : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        start();
        perform("F9");
    }

    QListWidget* list(bool boolFourNote) const {
        return child<QListWidget>(boolFourNote ? "ListQuadriad" : "ListTriad");
    }
    QAbstractButton* button(const std::string& strName) const {
        return child<QAbstractButton>(strName.c_str());
    }

    // One user step: "T2" / "Q4" click that row of the triad / four-note list, "F5" / "F9" press
    // the key, anything else clicks the button of that name on its indicator.
    void perform(const std::string& strStep) {
        if (strStep == "F5" || strStep == "F9") {
            QTest::keyClick(window.get(), strStep == "F5" ? Qt::Key_F5 : Qt::Key_F9);
        } else if (strStep.size() == 2 && (strStep[0] == 'T' || strStep[0] == 'Q')) {
            QListWidget* target = list(strStep[0] == 'Q');
            QListWidgetItem* item = target->item(strStep[1] - '0');
            target->scrollToItem(item);
            QTest::mouseClick(target->viewport(), Qt::LeftButton, {},
                              target->visualItemRect(item).center());
        } else {
            QAbstractButton* target = button(strStep);
            QStyleOptionButton option;
            option.initFrom(target);
            const auto element = qobject_cast<QRadioButton*>(target) != nullptr
                                     ? QStyle::SE_RadioButtonIndicator
                                     : QStyle::SE_CheckBoxIndicator;
            QTest::mouseClick(target, Qt::LeftButton, {},
                              target->style()->subElementRect(element, &option, target).center());
        }
    }

    // Per box: "." enabled, "x" enabled and checked, "-" disabled, "X" disabled and checked;
    // additions, a blank, then no3rd, sus4, sus2, no 7th.
    std::string boxes() const {
        std::string strResult;
        for (const char* strName : kBoxes) {
            const QAbstractButton* box = button(strName);
            strResult += ".x-X"[(box->isEnabled() ? 0 : 2) + (box->isChecked() ? 1 : 0)];
            strResult += strResult.size() == 3 ? " " : "";
        }
        return strResult;
    }

    // Per option row the caption of the selected button ("-" for none), "*" when the row is
    // enabled; a row that strMask gives as "?" reads "?".
    std::string rows(const std::string& strMask) const {
        std::istringstream mask(strMask);
        std::string strResult;
        for (const auto& [strArray, intCount] : kOptionRows) {
            std::string strWanted;
            std::string strShown = "-";
            bool boolEnabled = false;
            for (unsigned i = 0; i < intCount; ++i) {
                const QAbstractButton* option = button(strArray + std::to_string(i));
                strShown = option->isChecked() ? option->text().toStdString() : strShown;
                boolEnabled = boolEnabled || option->isEnabled();
            }
            mask >> strWanted;
            if (!strResult.empty()) {
                strResult += ' ';
            }
            strResult += strWanted == "?" ? "?" : strShown + (boolEnabled ? "*" : "");
        }
        return strResult;
    }

    std::string title() const { return child<QLineEdit>("TextTitle")->text().toStdString(); }
    std::string intervalLine() const { return child<QLineEdit>("TextScale")->text().toStdString(); }
};

struct Scenario {
    const char* strName;
    std::vector<std::string> steps;
    const char* strIntervals;
    const char* strTitle;
    const char* strBoxes; // see ChordWindow::boxes
    // See ChordWindow::rows; "?" where the rows' look right after a switch between the two lists
    // is left open (only the chord and the boxes matter there).
    const char* strRows;
    std::pair<int, int> selectedRows; // of the triad and four-note lists, -1 for none
};

// clang-format off
const std::vector<Scenario> kScenarios{
    // Chord mode starts on the plain major triad.
    {"EnterChordMode", {}, "1,3,5", "C ", "... ...-", "5 9 11 13", {0, -1}},
    // The other triads cannot be suspended or lose their third; the fifth indicator follows.
    {"MinorTriad", {"T1"}, "1,b3,5", "C m", "... ----", "5 9 11 13", {1, -1}},
    {"DiminishedTriad", {"T2"}, "1,b3,b5", "C o", "... ----", "b5 9 11 13", {2, -1}},
    {"AugmentedTriad", {"T3"}, "1,3,#5", "C +", "... ----", "#5 9 11 13", {3, -1}},
    // C add9 without its third is Csus2: the sus2 box follows.
    {"Add9ThenNoThirdIsSus2", {"ChkAdd9", "ChkNo3"}, "1,2,5", "C sus2", "x.. x.x-", "5 9 11 13", {0, -1}},
    // Csus4 = C F G: add11 and no third come along.
    {"Sus4", {"ChkSus4"}, "1,4,5", "C sus4", ".x. xx.-", "5 9 11 13", {0, -1}},
    // C D F G is named from the second.
    {"Sus2ThenSus4", {"ChkSus2", "ChkSus4"}, "1,2,4,5", "C sus2", "xx. xxx-", "5 9 11 13", {0, -1}},
    // Giving Csus2 its third back leaves C add9; taking its ninth leaves the power chord.
    {"Sus2ThenThirdBack", {"ChkSus2", "ChkNo3"}, "1,2,3,5", "C add9", "x.. ...-", "5 9 11 13", {0, -1}},
    {"Sus2WithoutNinthIsFifth", {"ChkSus2", "ChkAdd9"}, "1,5", "C 5", "... x.x-", "5 9 11 13", {0, -1}},
    // Cm with D and A.
    {"MinorSixNine", {"T1", "ChkAdd9", "ChkAdd13"}, "1,2,b3,5,6", "C m6/9", "x.x ----", "5 9 11 13", {1, -1}},
    // C7b9; dropping the ninth greys its row and puts it back on "9".
    {"SeventhFlatNine", {"Q2", "ChkAdd9", "OptSecond1"}, "1,b2,3,5,b7", "C 7/b9", "x.. -.--", "? b9* 11 13", {-1, 2}},
    {"SeventhFlatNineRemoved", {"Q2", "ChkAdd9", "OptSecond1", "ChkAdd9"}, "1,3,5,b7", "C 7", "... -.--", "? 9 11 13", {-1, 2}},
    // C7sus4 = C F G Bb; no3rd is checked although not offered.
    {"SeventhSus4", {"Q2", "ChkSus4"}, "1,4,5,b7", "C 7sus4/11", ".x. Xx--", "? 9 11* 13", {-1, 2}},
    // A raised eleventh is no suspension: the third returns, F# stays as #11.
    {"SeventhSus4ThenSharpEleven", {"Q2", "ChkSus4", "OptFourth1"}, "1,3,#4,5,b7", "C 7/#11", ".x. -.--", "? 9 #11* 13", {-1, 2}},
    // #11 before sus4: the third only goes for a natural eleventh, so C E F# G Bb keeps it.
    {"SeventhSharpElevenThenSus4", {"Q2", "ChkAdd11", "OptFourth1", "ChkSus4"}, "1,3,#4,5,b7", "C 7/#11", ".x. Xx--", "? 9 #11* 13", {-1, 2}},
    // C7b13.
    {"SeventhFlatThirteen", {"Q2", "ChkAdd13", "OptSixth1"}, "1,3,5,b6,b7", "C 7/b13", "..x -.--", "? 9 11 b13*", {-1, 2}},
    // Only maj7 and 7 can be suspended.
    {"MajorSeventhSus4", {"Q1", "ChkSus4"}, "1,4,5,7", "C maj7sus4/11", ".x. Xx--", "? 9 11* 13", {-1, 1}},
    {"MajorSeventhSharpFive", {"Q0"}, "1,3,#5,7", "C maj7#5", "... ----", "? 9 11 13", {-1, 0}},
    {"MinorMajorSeventh", {"Q3"}, "1,b3,5,7", "C mmaj7", "... ----", "? 9 11 13", {-1, 3}},
    {"MinorSeventh", {"Q4"}, "1,b3,5,b7", "C m7", "... ----", "? 9 11 13", {-1, 4}},
    {"HalfDiminished", {"Q5"}, "1,b3,b5,b7", "C m7b5", "... ----", "? 9 11 13", {-1, 5}},
    {"DiminishedSeventh", {"Q6"}, "1,b3,b5,bb7", "C o7", "... ----", "? 9 11 13", {-1, 6}},
    // C7#9 suspended: the #9 counts as the ninth, so the greyed sus2 is checked along; releasing
    // sus4 takes sus2 along and puts the ninth back on "9".
    {"SharpNineThenSus4", {"Q2", "ChkAdd9", "OptSecond2", "ChkSus4"}, "1,#2,4,5,b7", "C 7sus4/#9/11", "xx. XxX-", "? #9* 11* 13", {-1, 2}},
    {"SharpNineSus4Released", {"Q2", "ChkAdd9", "OptSecond2", "ChkSus4", "ChkSus4"}, "1,2,3,5,b7", "C 7/9", "x.. -.--", "? 9* 11 13", {-1, 2}},
    // A chord from the other list starts plain: additions never travel along.
    {"TriadAdditionsDroppedByQuadriad", {"ChkSus2", "ChkAdd13", "Q3"}, "1,b3,5,7", "C mmaj7", "... ----", "? ? ? ?", {-1, 3}},
    {"QuadriadAdditionsDroppedByTriad", {"Q2", "ChkAdd9", "OptSecond1", "ChkSus4", "ChkAdd13", "T1"}, "1,b3,5", "C m", "... ----", "5 ? ? ?", {1, -1}},
    // A new root re-roots the chord as it stands: Bb7sus4 = Bb Eb F Ab.
    {"RootBFlatKeepsSus4", {"Q2", "ChkSus4", "BtnPitch6", "BtnPitchAdd1"}, "1,4,5,b7", "Bb 7sus4/11", ".x. Xx--", "? 9 11* 13", {-1, 2}},
    // Scale mode and back: the builder starts over on the major triad.
    {"ScalesAndBackResets", {"Q2", "ChkAdd9", "OptSecond1", "ChkSus4", "F5", "F9"}, "1,3,5", "C ", "... ...-", "5 ? ? ?", {0, -1}},
};
// clang-format on

class ChordScenario : public ChordWindow, public ::testing::WithParamInterface<Scenario> {};

TEST_P(ChordScenario, ShowsTheChordAndItsControls) {
    const Scenario& s = GetParam();
    for (const std::string& strStep : s.steps) {
        perform(strStep);
    }
    EXPECT_EQ(intervalLine(), s.strIntervals);
    EXPECT_EQ(title(), s.strTitle);
    EXPECT_EQ(boxes(), s.strBoxes);
    EXPECT_EQ(rows(s.strRows), s.strRows);
    EXPECT_EQ(std::pair(list(false)->currentRow(), list(true)->currentRow()), s.selectedRows);
    EXPECT_EQ(marks(), marksFor(QString(s.strTitle).section(' ', 0, 0), s.strIntervals, true));
}

INSTANTIATE_TEST_SUITE_P(ChordBuilder, ChordScenario, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.strName); });

// A list set to no selection from code runs its handler, which then does nothing: the chord, its
// boxes and the other list stay as they were.
TEST_F(ChordWindow, ListEmptiedFromCodeLeavesEverythingAlone) {
    for (const bool boolFourNote : {false, true}) {
        perform(boolFourNote ? "Q2" : "T1");
        perform("ChkAdd9");
        const std::string strBefore = title() + " | " + boxes();
        list(boolFourNote)->setCurrentRow(-1);
        EXPECT_EQ(title() + " | " + boxes(), strBefore);
        EXPECT_EQ(list(!boolFourNote)->currentRow(), -1);
    }
}

// Chord mode restarts on the major triad with both lists scrolled back to their first rows.
TEST_F(ChordWindow, RestartShowsBothListsFromTheTop) {
    for (const std::vector<std::string>& restart : {std::vector<std::string>{"F9"}, {"F5", "F9"}}) {
        perform("T3");
        perform("Q6");
        for (const std::string& strStep : restart) {
            perform(strStep);
        }
        for (const bool boolFourNote : {false, true}) {
            EXPECT_EQ(list(boolFourNote)->indexAt({2, 2}).row(), 0) << boolFourNote;
        }
        EXPECT_EQ(title(), "C ");
    }
}

// Choosing #11 while sus4 is ticked leaves the keyboard focus on the #11 button.
TEST_F(ChordWindow, SharpElevenKeepsTheFocus) {
    for (const char* strStep : {"Q2", "ChkSus4", "OptFourth1"}) {
        perform(strStep);
    }
    EXPECT_EQ(title(), "C 7/#11");
    EXPECT_EQ(QApplication::focusWidget(), button("OptFourth1"));
}

// Ctrl+click or Ctrl+Space on the selected row of any of the four lists keeps it selected.
TEST_F(ChordWindow, NoListCanBeLeftWithoutItsSelection) {
    perform("F5");
    for (const char* strName :
         {"ListScaleCategory", "ListScale", "F9", "ListTriad", "Q1", "ListQuadriad"}) {
        if (std::string(strName).size() < 4) {
            perform(strName);
            continue;
        }
        auto* target = child<QListWidget>(strName);
        const int intRow = target->currentRow();
        for (const bool boolClick : {true, false}) {
            boolClick ? QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::ControlModifier,
                                          target->visualItemRect(target->currentItem()).center())
                      : QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier);
            EXPECT_EQ(target->currentRow(), intRow) << strName;
            EXPECT_EQ(target->selectedItems(), QList{target->currentItem()})
                << strName << (boolClick ? " Ctrl+click" : " Ctrl+Space");
            target->currentItem()->setSelected(true); // the next way starts selected again
        }
    }
}

} // namespace
