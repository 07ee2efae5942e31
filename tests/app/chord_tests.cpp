// The chord builder of the main window, driven through its controls: list clicks, check boxes,
// option buttons, root buttons and menu keys. After each action the title, the interval line, the
// picture and the state of every chord control are compared with what a musician expects.

#include "FretBoard.h"
#include "Globals.h"
#include "Intervals.h"
#include "PianoKeyboard.h"
#include "PictureBox.h"
#include "QtPictureSurface.h"
#include "SimpleNote.h"
#include "StandardScale.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <array>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The six boxes that shape a chord and the always-disabled "no 7th", in the order of the frame's
// two columns.
constexpr std::array<const char*, 3> kAdditionBoxes{"ChkAdd9", "ChkAdd11", "ChkAdd13"};
constexpr std::array<const char*, 4> kAlterationBoxes{"ChkNo3", "ChkSus4", "ChkSus2", "ChkNo7th"};

struct OptionRow {
    const char* strArray;
    std::vector<const char*> captions;
};

// The fifth indicator, then the rows of the ninth, eleventh and thirteenth.
const std::array<OptionRow, 4> kOptionRows{{
    {"OptFifth", {"5", "b5", "#5"}},
    {"OptSecond", {"9", "b9", "#9"}},
    {"OptFourth", {"11", "#11"}},
    {"OptSixth", {"13", "b13"}},
}};

// What each list item stands for, written out independently of the product: the root plus
// these intervals.
const std::array<std::vector<std::string>, 4> kTriadIntervals{{
    {"3", "5"},   // major
    {"b3", "5"},  // minor
    {"b3", "b5"}, // diminished
    {"3", "#5"},  // augmented
}};
const std::array<std::vector<std::string>, 7> kQuadriadIntervals{{
    {"3", "#5", "7"},    // maj7#5: augmented triad with major seventh
    {"3", "5", "7"},     // maj7
    {"3", "5", "b7"},    // dominant seventh
    {"b3", "5", "7"},    // minor-major seventh
    {"b3", "5", "b7"},   // minor seventh
    {"b3", "b5", "b7"},  // half-diminished
    {"b3", "b5", "bb7"}, // diminished seventh
}};

enum class Instrument { FretBoard, Keyboard };

// The picture the window ought to show for intervals on the root given by the letter button and
// accidental, drawn afresh on a surface of the window picture's size with the default settings.
QImage renderExpected(Instrument instrument, const std::string& strIntervals, int16_t intButton,
                      int16_t intAdd, qreal dblPixelRatio) {
    QtPictureSurface surface(8655, 3375, dblPixelRatio);
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(intButton, intAdd);
    auto scale = std::make_shared<StandardScale>();
    scale->setScale(strIntervals);
    scale->setRootNote(noteRoot);
    if (instrument == Instrument::FretBoard) {
        FretBoard view;
        view.setFretBoardPicBox(surface);
        view.resetFretBoard();
        view.setScaleData(scale);
        view.drawScaleData();
    } else {
        PianoKeyboard view;
        view.setPianoPicBox(surface);
        view.resetPianoKeyboard();
        view.setScaleData(scale);
        view.drawScaleData();
    }
    return surface.image().copy();
}

// The notes a view marks for intervals on a root, with their octaves, as one line.
std::string spelledNotes(const std::string& strIntervals, int16_t intButton, int16_t intAdd) {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(intButton, intAdd);
    StandardScale scale;
    scale.setScale(strIntervals);
    scale.setRootNote(noteRoot);
    std::string strResult;
    for (const SimpleNote& note : scale.getAllNotes(Globals::KeyboardOctave())) {
        strResult += note.getNoteName(true) + " ";
    }
    return strResult;
}

::testing::AssertionResult samePicture(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "picture size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    }
    const QImage actualRgb = actual.convertToFormat(QImage::Format_RGB32);
    const QImage expectedRgb = expected.convertToFormat(QImage::Format_RGB32);
    if (actualRgb == expectedRgb) {
        return ::testing::AssertionSuccess();
    }
    int intDiffering = 0;
    for (int y = 0; y < actualRgb.height(); ++y) {
        for (int x = 0; x < actualRgb.width(); ++x) {
            intDiffering += actualRgb.pixel(x, y) != expectedRgb.pixel(x, y) ? 1 : 0;
        }
    }
    if (intDiffering > 0) {
        return ::testing::AssertionFailure() << intDiffering << " pixels differ";
    }
    return ::testing::AssertionSuccess();
}

class ChordWindow : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        start();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        press(Qt::Key_F9);
        ASSERT_TRUE(child<QFrame>("FrameChord")->isVisible()) << "F9 did not enter chord mode";
    }

    void press(Qt::Key key) { QTest::keyClick(window.get(), key); }

    QListWidget* list(const char* strName) const { return child<QListWidget>(strName); }
    QAbstractButton* button(const std::string& strName) const {
        return child<QAbstractButton>(strName.c_str());
    }

    // A click on the item as the user makes it; long lists are scrolled to the item first.
    void clickRow(const char* strList, int intRow) {
        QListWidget* listWidget = list(strList);
        QListWidgetItem* item = listWidget->item(intRow);
        ASSERT_NE(item, nullptr) << strList << " has no row " << intRow;
        listWidget->scrollToItem(item);
        QTest::mouseClick(listWidget->viewport(), Qt::LeftButton, {},
                          listWidget->visualItemRect(item).center());
    }

    // Check boxes and option buttons are clicked on their indicator, push buttons in the middle.
    void clickButton(const std::string& strName) {
        QAbstractButton* target = button(strName);
        ASSERT_NE(target, nullptr);
        QPoint pos = target->rect().center();
        QStyleOptionButton option;
        option.initFrom(target);
        if (qobject_cast<QCheckBox*>(target) != nullptr) {
            pos = target->style()
                      ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, target)
                      .center();
        } else if (qobject_cast<QRadioButton*>(target) != nullptr) {
            pos = target->style()
                      ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, target)
                      .center();
        }
        QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    }

    // One step of a scenario: "ListTriad 2", "ListQuadriad 4", "F5", or a button's name.
    void perform(const std::string& strStep) {
        if (strStep.starts_with("List")) {
            const auto intBlank = strStep.find(' ');
            clickRow(strStep.substr(0, intBlank).c_str(), std::stoi(strStep.substr(intBlank + 1)));
        } else if (strStep == "F3") {
            press(Qt::Key_F3);
        } else if (strStep == "F5") {
            press(Qt::Key_F5);
        } else if (strStep == "F9") {
            press(Qt::Key_F9);
        } else {
            clickButton(strStep);
        }
    }

    // The boxes as one line: "." enabled and unchecked, "x" enabled and checked, "-" disabled and
    // unchecked, "X" disabled and checked; additions, a blank, then no3, sus4, sus2, no 7th.
    std::string boxes() const {
        const auto code = [this](const char* strName) {
            const QAbstractButton* box = button(strName);
            if (box->isEnabled()) {
                return box->isChecked() ? 'x' : '.';
            }
            return box->isChecked() ? 'X' : '-';
        };
        std::string strResult;
        for (const char* strName : kAdditionBoxes) {
            strResult += code(strName);
        }
        strResult += ' ';
        for (const char* strName : kAlterationBoxes) {
            strResult += code(strName);
        }
        return strResult;
    }

    // The option rows as one line: the caption of the selected button of each row ("-" when none
    // is selected), "*" when the row is enabled; fifth, ninth, eleventh, thirteenth.
    std::string rows() const {
        std::string strResult;
        for (const OptionRow& row : kOptionRows) {
            if (!strResult.empty()) {
                strResult += ' ';
            }
            std::string strSelected = "-";
            bool boolEnabled = false;
            for (std::size_t i = 0; i < row.captions.size(); ++i) {
                const QAbstractButton* option = button(row.strArray + std::to_string(i));
                if (option->isChecked()) {
                    strSelected = row.captions[i];
                }
                boolEnabled = boolEnabled || option->isEnabled();
            }
            strResult += strSelected + (boolEnabled ? "*" : "");
        }
        return strResult;
    }

    // rows(), with "?" wherever strExpected has "?".
    std::string maskedRows(const std::string& strExpected) const {
        std::istringstream actual(rows());
        std::istringstream expected(strExpected);
        std::string strResult;
        std::string strActual;
        std::string strWanted;
        while (actual >> strActual && expected >> strWanted) {
            strResult +=
                (strResult.empty() ? "" : " ") + (strWanted == "?" ? strWanted : strActual);
        }
        return strResult;
    }

    std::string title() const { return child<QLineEdit>("TextTitle")->text().toStdString(); }
    std::string intervalLine() const { return child<QLineEdit>("TextScale")->text().toStdString(); }
    QImage picture() const { return window->Picture().surface().image().copy(); }
    qreal pixelRatio() const { return window->Picture().surface().image().devicePixelRatio(); }

    // The two lists never both hold a selection once a handler has finished.
    void expectOneListSelected(int intTriad, int intQuadriad) const {
        EXPECT_EQ(list("ListTriad")->currentRow(), intTriad);
        EXPECT_EQ(list("ListQuadriad")->currentRow(), intQuadriad);
        EXPECT_EQ(list("ListTriad")->selectedItems().size(), intTriad < 0 ? 0 : 1);
        EXPECT_EQ(list("ListQuadriad")->selectedItems().size(), intQuadriad < 0 ? 0 : 1);
    }
};

// ---------------------------------------------------------------------------------------------
// Scenarios: a few clicks from a fresh chord mode on the root C, then the complete visible state.

struct Scenario {
    const char* strName;
    std::vector<std::string> steps;
    const char* strIntervals; // TextScale
    const char* strTitle;     // TextTitle: root, one blank, suffix
    const char* strBoxes;     // see ChordWindow::boxes
    // See ChordWindow::rows; "?" stands for a row whose look after a switch between the two lists
    // is not part of the behaviour (only the chord and the boxes are).
    const char* strRows;
    int intTriad;    // selected row of ListTriad (-1 none)
    int intQuadriad; // selected row of ListQuadriad (-1 none)
    int16_t intRootButton = 0;
    int16_t intRootAdd = 0;
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.strName;
}

// clang-format off
const std::vector<Scenario> kScenarios{
    // Entering chord mode: the plain major triad, nothing else chosen.
    {"EnterChordMode", {},
     "1,3,5", "C ", "... ...-", "5 9 11 13", 0, -1},
    // Minor: the third is flat, and the third cannot be dropped or suspended.
    {"MinorTriad", {"ListTriad 1"},
     "1,b3,5", "C m", "... ----", "5 9 11 13", 1, -1},
    // Diminished: flat third and flat fifth; the fifth indicator shows b5.
    {"DiminishedTriad", {"ListTriad 2"},
     "1,b3,b5", "C o", "... ----", "b5 9 11 13", 2, -1},
    // Augmented: major third and sharp fifth; the fifth indicator shows #5.
    {"AugmentedTriad", {"ListTriad 3"},
     "1,3,#5", "C +", "... ----", "#5 9 11 13", 3, -1},
    // Back from a diminished to a major triad: the fifth indicator follows.
    {"DiminishedThenMajor", {"ListTriad 2", "ListTriad 0"},
     "1,3,5", "C ", "... ...-", "5 9 11 13", 0, -1},
    // C D E G.
    {"Add9", {"ChkAdd9"},
     "1,2,3,5", "C add9", "x.. ...-", "5 9 11 13", 0, -1},
    // C add9 without its third is Csus2: the sus2 box follows the no3rd box.
    {"Add9ThenNoThirdIsSus2", {"ChkAdd9", "ChkNo3"},
     "1,2,5", "C sus2", "x.. x.x-", "5 9 11 13", 0, -1},
    // Csus4 = C F G: add11 and no third come with it.
    {"Sus4", {"ChkSus4"},
     "1,4,5", "C sus4", ".x. xx.-", "5 9 11 13", 0, -1},
    // C D F G is named from the second.
    {"Sus2ThenSus4", {"ChkSus2", "ChkSus4"},
     "1,2,4,5", "C sus2", "xx. xxx-", "5 9 11 13", 0, -1},
    // C D G A.
    {"Add9Add13NoThirdIs6Sus2", {"ChkAdd9", "ChkAdd13", "ChkNo3"},
     "1,2,5,6", "C 6sus2", "x.x x.x-", "5 9 11 13", 0, -1},
    // Giving the third back to Csus2 leaves C add9.
    {"Sus2ThenThirdBack", {"ChkSus2", "ChkNo3"},
     "1,2,3,5", "C add9", "x.. ...-", "5 9 11 13", 0, -1},
    // Taking the ninth out of Csus2 leaves the power chord C G.
    {"Sus2WithoutNinthIsFifth", {"ChkSus2", "ChkAdd9"},
     "1,5", "C 5", "... x.x-", "5 9 11 13", 0, -1},
    // Cm with D and A: Cm6/9.
    {"MinorSixNine", {"ListTriad 1", "ChkAdd9", "ChkAdd13"},
     "1,2,b3,5,6", "C m6/9", "x.x ----", "5 9 11 13", 1, -1},
    // C7: only sus4 is offered among the alterations.
    {"Seventh", {"ListQuadriad 2"},
     "1,3,5,b7", "C 7", "... -.--", "? 9 11 13", -1, 2},
    // C9 as C7/9: the ninth's alterations become available, natural first.
    {"SeventhAddNine", {"ListQuadriad 2", "ChkAdd9"},
     "1,2,3,5,b7", "C 7/9", "x.. -.--", "? 9* 11 13", -1, 2},
    // C7b9: C E G Bb Db.
    {"SeventhFlatNine", {"ListQuadriad 2", "ChkAdd9", "OptSecond1"},
     "1,b2,3,5,b7", "C 7/b9", "x.. -.--", "? b9* 11 13", -1, 2},
    // Dropping the ninth greys its row and puts it back on the natural ninth.
    {"SeventhFlatNineRemoved", {"ListQuadriad 2", "ChkAdd9", "OptSecond1", "ChkAdd9"},
     "1,3,5,b7", "C 7", "... -.--", "? 9 11 13", -1, 2},
    // C7sus4 = C F G Bb, named with its eleventh; no3rd is checked although not offered.
    {"SeventhSus4", {"ListQuadriad 2", "ChkSus4"},
     "1,4,5,b7", "C 7sus4/11", ".x. Xx--", "? 9 11* 13", -1, 2},
    // A raised eleventh is no suspension: the third returns and F# stays as #11.
    {"SeventhSus4ThenSharpEleven", {"ListQuadriad 2", "ChkSus4", "OptFourth1"},
     "1,3,#4,5,b7", "C 7/#11", ".x. -.--", "? 9 #11* 13", -1, 2},
    // #11 chosen before sus4: the third goes only for a natural eleventh, so sus4 is checked
    // but C E F# G Bb keeps its third and its name.
    {"SeventhSharpElevenThenSus4", {"ListQuadriad 2", "ChkAdd11", "OptFourth1", "ChkSus4"},
     "1,3,#4,5,b7", "C 7/#11", ".x. Xx--", "? 9 #11* 13", -1, 2},
    // C7b13: C E G Ab Bb.
    {"SeventhFlatThirteen", {"ListQuadriad 2", "ChkAdd13", "OptSixth1"},
     "1,3,5,b6,b7", "C 7/b13", "..x -.--", "? 9 11 b13*", -1, 2},
    // Cmaj7sus4 = C F G B; the major seventh also offers sus4.
    {"MajorSeventhSus4", {"ListQuadriad 1", "ChkSus4"},
     "1,4,5,7", "C maj7sus4/11", ".x. Xx--", "? 9 11* 13", -1, 1},
    // C E G# B and C Eb G B cannot be suspended.
    {"AugmentedMajorSeventh", {"ListQuadriad 0"},
     "1,3,#5,7", "C maj7#5", "... ----", "? 9 11 13", -1, 0},
    {"MinorMajorSeventh", {"ListQuadriad 3"},
     "1,b3,5,7", "C mmaj7", "... ----", "? 9 11 13", -1, 3},
    // The minor and diminished four-note chords cannot be suspended.
    {"MinorSeventh", {"ListQuadriad 4"},
     "1,b3,5,b7", "C m7", "... ----", "? 9 11 13", -1, 4},
    {"HalfDiminished", {"ListQuadriad 5"},
     "1,b3,b5,b7", "C m7b5", "... ----", "? 9 11 13", -1, 5},
    {"DiminishedSeventh", {"ListQuadriad 6"},
     "1,b3,b5,bb7", "C o7", "... ----", "? 9 11 13", -1, 6},
    // C7#9 suspended: the #9 counts as the added ninth, so sus2 is checked along while greyed.
    {"SharpNineThenSus4", {"ListQuadriad 2", "ChkAdd9", "OptSecond2", "ChkSus4"},
     "1,#2,4,5,b7", "C 7sus4/#9/11", "xx. XxX-", "? #9* 11* 13", -1, 2},
    // Releasing sus4 takes sus2 along; the ninth stays, but back on the natural ninth.
    {"SharpNineSus4Released", {"ListQuadriad 2", "ChkAdd9", "OptSecond2", "ChkSus4", "ChkSus4"},
     "1,2,3,5,b7", "C 7/9", "x.. -.--", "? 9* 11 13", -1, 2},
    // Switching lists starts the new chord plain: additions never travel with it.
    {"TriadAdditionsDroppedByQuadriad", {"ChkSus2", "ChkAdd13", "ListQuadriad 3"},
     "1,b3,5,7", "C mmaj7", "... ----", "? ? ? ?", -1, 3},
    {"QuadriadAdditionsDroppedByTriad",
     {"ListQuadriad 2", "ChkAdd9", "OptSecond1", "ChkSus4", "ChkAdd13", "ListTriad 1"},
     "1,b3,5", "C m", "... ----", "5 ? ? ?", 1, -1},
    // Another four-note chord also starts plain, its ninth row back on "9" and greyed.
    {"QuadriadToQuadriad", {"ListQuadriad 2", "ChkAdd9", "OptSecond2", "ListQuadriad 1"},
     "1,3,5,7", "C maj7", "... -.--", "? 9 11 13", -1, 1},
    {"TriadToQuadriadToTriad", {"ChkSus4", "ListQuadriad 4", "ChkAdd11", "ListTriad 0"},
     "1,3,5", "C ", "... ...-", "5 ? ? ?", 0, -1},
    // A new root re-roots the chord as it stands: D F A C.
    {"RootDReRootsMinorSeventh", {"ListQuadriad 4", "BtnPitch1"},
     "1,b3,5,b7", "D m7", "... ----", "? 9 11 13", -1, 4, 1, 0},
    // Bb7sus4 = Bb Eb F Ab: the suspension and its boxes survive the root change.
    {"RootBFlatKeepsSus4", {"ListQuadriad 2", "ChkSus4", "BtnPitch6", "BtnPitchAdd1"},
     "1,4,5,b7", "Bb 7sus4/11", ".x. Xx--", "? 9 11* 13", -1, 2, 6, 2},
    // Scale mode and back: the chord builder starts over on the major triad.
    {"ScalesAndBackResets", {"ListQuadriad 2", "ChkAdd9", "OptSecond1", "ChkSus4", "F5", "F9"},
     "1,3,5", "C ", "... ...-", "5 ? ? ?", 0, -1},
    // Chords chosen again while in chord mode also starts over.
    {"ChordsAgainResets", {"ListTriad 1", "ChkAdd9", "F9"},
     "1,3,5", "C ", "... ...-", "5 9 11 13", 0, -1},
};
// clang-format on

class ChordScenario : public ChordWindow, public ::testing::WithParamInterface<Scenario> {};

TEST_P(ChordScenario, ShowsTheChordAndItsControls) {
    const Scenario& scenario = GetParam();
    for (const std::string& strStep : scenario.steps) {
        SCOPED_TRACE(strStep);
        perform(strStep);
    }
    EXPECT_TRUE(child<QFrame>("FrameChord")->isVisible());
    EXPECT_EQ(intervalLine(), scenario.strIntervals);
    EXPECT_EQ(title(), scenario.strTitle);
    EXPECT_EQ(boxes(), scenario.strBoxes);
    EXPECT_EQ(maskedRows(scenario.strRows), scenario.strRows);
    expectOneListSelected(scenario.intTriad, scenario.intQuadriad);
    // The fretboard shows exactly the notes of the interval line on the root.
    EXPECT_TRUE(samePicture(picture(), renderExpected(Instrument::FretBoard, scenario.strIntervals,
                                                      scenario.intRootButton, scenario.intRootAdd,
                                                      pixelRatio())));
}

INSTANTIATE_TEST_SUITE_P(ChordBuilder, ChordScenario, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.strName); });

// ---------------------------------------------------------------------------------------------
// A chord list emptied from code: its handler runs with no selection and does nothing, so the
// chord, its boxes and the other list stay as they were.

TEST_F(ChordWindow, ListEmptiedFromCodeLeavesTheChordAlone) {
    perform("ListQuadriad 2");
    perform("ChkAdd9");
    perform("OptSecond1");
    ASSERT_EQ(title(), "C 7/b9");
    const QImage picBefore = picture();

    QListWidget* listQuadriad = list("ListQuadriad");
    QSignalSpy spy(listQuadriad, &QListWidget::currentRowChanged);
    listQuadriad->setCurrentRow(-1);
    ASSERT_EQ(spy.count(), 1);
    ASSERT_EQ(spy.at(0).at(0).toInt(), -1);

    EXPECT_EQ(title(), "C 7/b9");
    EXPECT_EQ(intervalLine(), "1,b2,3,5,b7");
    EXPECT_EQ(boxes(), "x.. -.--");
    EXPECT_EQ(maskedRows("? b9* 11 13"), "? b9* 11 13");
    EXPECT_EQ(list("ListTriad")->currentRow(), -1);
    EXPECT_TRUE(samePicture(picture(), picBefore));
}

TEST_F(ChordWindow, TriadEmptiedFromCodeKeepsItsAdditions) {
    perform("ListTriad 1");
    perform("ChkAdd9");
    ASSERT_EQ(title(), "C madd9");

    list("ListTriad")->setCurrentRow(-1);

    EXPECT_EQ(title(), "C madd9");
    EXPECT_EQ(boxes(), "x.. ----");
    EXPECT_EQ(list("ListQuadriad")->currentRow(), -1);
}

// ---------------------------------------------------------------------------------------------
// Every chord the builder can reach by checking boxes and picking alterations, on the root Eb
// and the keyboard: the chord the window built is the chord its controls show, its title and
// interval line are that chord's name and list, and the keyboard marks exactly its notes.

// Clicks are real mouse clicks here too; only the list rows are scrolled into view from code.
class ChordSweep : public ChordWindow {
  protected:
    static constexpr std::array<const char*, 6> kAllBoxes{"ChkAdd9", "ChkAdd11", "ChkAdd13",
                                                          "ChkNo3",  "ChkSus4",  "ChkSus2"};

    struct Plan {
        bool boolFourNote;
        int intRow;
        // Boxes to click in this order, skipping those already checked by an earlier one.
        std::vector<const char*> boxes;
        // Selected button of the ninth, eleventh and thirteenth rows; 0 is left as it comes.
        std::array<std::size_t, 3> options;
    };

    // The chord that the visible controls stand for, in the musician's reading.
    Intervals chordOfControls(bool boolFourNote, int intRow) const {
        const auto checked = [this](const char* strName) { return button(strName)->isChecked(); };
        std::vector<std::string> tokens{"1"};
        const auto& listTokens = boolFourNote
                                     ? kQuadriadIntervals.at(static_cast<std::size_t>(intRow))
                                     : kTriadIntervals.at(static_cast<std::size_t>(intRow));
        tokens.insert(tokens.end(), listTokens.begin(), listTokens.end());
        if (!boolFourNote) {
            // Triads take plain 9, 11 and 13; "no 3rd" takes the major third out.
            if (checked("ChkNo3")) {
                std::erase(tokens, "3");
            }
            const std::array<const char*, 3> plain{"9", "11", "13"};
            for (std::size_t i = 0; i < kAdditionBoxes.size(); ++i) {
                if (checked(kAdditionBoxes[i])) {
                    tokens.emplace_back(plain[i]);
                }
            }
        } else {
            // Four-note chords take the alteration chosen in each addition's row (the captions
            // are the interval names); the third goes only to make room for a natural eleventh.
            for (std::size_t i = 0; i < kAdditionBoxes.size(); ++i) {
                if (checked(kAdditionBoxes[i])) {
                    tokens.push_back(selectedCaption(kOptionRows[i + 1]));
                }
            }
            if (checked("ChkNo3") && std::ranges::find(tokens, "11") != tokens.end()) {
                std::erase(tokens, "3");
            }
        }
        Intervals chord;
        for (const std::string& strToken : tokens) {
            chord.setInterval(strToken);
        }
        return chord;
    }

    std::string selectedCaption(const OptionRow& row) const {
        for (std::size_t i = 0; i < row.captions.size(); ++i) {
            if (button(row.strArray + std::to_string(i))->isChecked()) {
                return row.captions[i];
            }
        }
        return {};
    }

    // Every plan: each list item, each subset of the boxes it enables, and for four-note chords
    // each alteration of every addition that the subset checks (sus4 brings the eleventh).
    std::vector<Plan> allPlans() {
        std::vector<Plan> plans;
        for (const bool boolFourNote : {false, true}) {
            const int intRows = boolFourNote ? 7 : 4;
            for (int intRow = 0; intRow < intRows; ++intRow) {
                startChord(boolFourNote, intRow);
                std::vector<const char*> enabled;
                for (const char* strBox : kAllBoxes) {
                    if (button(strBox)->isEnabled()) {
                        enabled.push_back(strBox);
                    }
                }
                for (unsigned intMask = 0; intMask < (1U << enabled.size()); ++intMask) {
                    Plan plan{boolFourNote, intRow, {}, {0, 0, 0}};
                    for (std::size_t i = 0; i < enabled.size(); ++i) {
                        if ((intMask & (1U << i)) != 0) {
                            plan.boxes.push_back(enabled[i]);
                        }
                    }
                    addOptionPlans(plan, plans);
                }
            }
        }
        return plans;
    }

    void addOptionPlans(const Plan& plan, std::vector<Plan>& plans) const {
        if (!plan.boolFourNote) {
            plans.push_back(plan);
            return;
        }
        const auto wanted = [&plan](const char* strBox) {
            return std::ranges::find(plan.boxes, std::string_view(strBox)) != plan.boxes.end();
        };
        const std::array<std::size_t, 3> choices{
            wanted("ChkAdd9") ? kOptionRows[1].captions.size() : 1,
            wanted("ChkAdd11") || wanted("ChkSus4") ? kOptionRows[2].captions.size() : 1,
            wanted("ChkAdd13") ? kOptionRows[3].captions.size() : 1};
        for (std::size_t intSecond = 0; intSecond < choices[0]; ++intSecond) {
            for (std::size_t intFourth = 0; intFourth < choices[1]; ++intFourth) {
                for (std::size_t intSixth = 0; intSixth < choices[2]; ++intSixth) {
                    Plan withOptions = plan;
                    withOptions.options = {intSecond, intFourth, intSixth};
                    plans.push_back(withOptions);
                }
            }
        }
    }

    // Chord mode afresh, then the list item clicked (the major triad is already selected).
    void startChord(bool boolFourNote, int intRow) {
        press(Qt::Key_F9);
        if (boolFourNote || intRow != 0) {
            clickRow(boolFourNote ? "ListQuadriad" : "ListTriad", intRow);
        }
    }

    void run(const Plan& plan) {
        startChord(plan.boolFourNote, plan.intRow);
        for (const char* strBox : plan.boxes) {
            if (!button(strBox)->isChecked()) {
                clickButton(strBox);
            }
        }
        for (std::size_t i = 0; i < plan.options.size(); ++i) {
            if (plan.options[i] != 0) {
                const std::string strOption =
                    kOptionRows[i + 1].strArray + std::to_string(plan.options[i]);
                ASSERT_TRUE(button(strOption)->isEnabled()) << strOption << " not offered";
                clickButton(strOption);
            }
        }
    }

    static std::string describe(const Plan& plan) {
        std::string strResult =
            (plan.boolFourNote ? "ListQuadriad " : "ListTriad ") + std::to_string(plan.intRow);
        for (const char* strBox : plan.boxes) {
            strResult += std::string(", ") + strBox;
        }
        for (std::size_t i = 0; i < plan.options.size(); ++i) {
            if (plan.options[i] != 0) {
                strResult += std::string(", ") + kOptionRows[i + 1].strArray +
                             std::to_string(plan.options[i]);
            }
        }
        return strResult;
    }

    void checkChord(const Plan& plan, const std::string& strRoot, int16_t intButton,
                    int16_t intAdd) {
        const Intervals expected = chordOfControls(plan.boolFourNote, plan.intRow);
        const Intervals& built = window->ChordIntervals();
        EXPECT_EQ(built.getScaleString(), expected.getScaleString())
            << "the chord built differs from the one the controls show";
        EXPECT_EQ(title(), strRoot + " " + built.getChordSuffix());
        EXPECT_EQ(intervalLine(), built.getScaleString());
        // A chord without additions or alterations is named as its list item.
        if (boxes().find_first_of("xX") == std::string::npos) {
            const QListWidget* listWidget = list(plan.boolFourNote ? "ListQuadriad" : "ListTriad");
            EXPECT_EQ(title(), strRoot + " " + listWidget->item(plan.intRow)->text().toStdString());
        }
        expectOneListSelected(plan.boolFourNote ? -1 : plan.intRow,
                              plan.boolFourNote ? plan.intRow : -1);
        if (plan.boolFourNote) {
            EXPECT_FALSE(button("ChkNo3")->isEnabled());
            EXPECT_FALSE(button("ChkSus2")->isEnabled());
            // A checked addition always offers its alterations.
            for (std::size_t i = 0; i < kAdditionBoxes.size(); ++i) {
                if (button(kAdditionBoxes[i])->isChecked()) {
                    EXPECT_TRUE(button(kOptionRows[i + 1].strArray + std::string("0"))->isEnabled())
                        << kOptionRows[i + 1].strArray;
                }
            }
        }
        EXPECT_TRUE(
            samePicture(picture(), renderExpected(Instrument::Keyboard, expected.getScaleString(),
                                                  intButton, intAdd, pixelRatio())));
    }
};

TEST_F(ChordSweep, EveryReachableChordIsNamedListedAndDrawnAsBuilt) {
    // Keyboard with the default settings; root E flat.
    press(Qt::Key_F3);
    ASSERT_EQ(window->CurrentInstrument(), 2);
    perform("BtnPitch2");
    perform("BtnPitchAdd1");
    QElapsedTimer timer;
    timer.start();
    const std::vector<Plan> plans = allPlans();
    std::set<std::string> chords;
    std::set<std::string> noteSets;
    std::set<QByteArray> pictures;
    // Different notes must give different pictures, or the picture check proves nothing.
    // (Eb o6 and Eb o7 do look the same: both sixth and diminished seventh are a C.)
    const auto recordPicture = [&] {
        const QImage picShown = picture();
        pictures.insert(
            QCryptographicHash::hash(QByteArrayView(picShown.constBits(), picShown.sizeInBytes()),
                                     QCryptographicHash::Sha1));
        noteSets.insert(spelledNotes(intervalLine(), 2, 2));
    };
    std::size_t intPlan = 0;
    int intReleases = 0;
    for (const Plan& plan : plans) {
        SCOPED_TRACE(describe(plan));
        run(plan);
        checkChord(plan, "Eb", 2, 2);
        if (HasFailure()) {
            return;
        }
        chords.insert(title());
        recordPicture();
        // Then one checked box released again, a different one from plan to plan, so that the
        // ways back (a suspension given up, a third given back) are swept as well.
        std::vector<const char*> release;
        for (const char* strBox : kAllBoxes) {
            if (button(strBox)->isEnabled() && button(strBox)->isChecked()) {
                release.push_back(strBox);
            }
        }
        if (!release.empty()) {
            const char* strBox = release[intPlan % release.size()];
            SCOPED_TRACE(std::string("then released ") + strBox);
            clickButton(strBox);
            checkChord(plan, "Eb", 2, 2);
            if (HasFailure()) {
                return;
            }
            chords.insert(title());
            recordPicture();
            ++intReleases;
        }
        ++intPlan;
    }
    EXPECT_EQ(pictures.size(), noteSets.size());
    RecordProperty("plans", static_cast<int>(plans.size()));
    RecordProperty("distinct_chords", static_cast<int>(chords.size()));
    RecordProperty("milliseconds", static_cast<int>(timer.elapsed()));
    std::cout << plans.size() << " plans, " << intReleases << " releases, " << chords.size()
              << " distinct chords, " << noteSets.size() << " distinct note sets, "
              << timer.elapsed() << " ms\n";
}

} // namespace
