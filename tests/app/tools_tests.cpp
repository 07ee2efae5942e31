// The Tools menu: the Identify Notes window and the Chords of the Scale window, driven as a user
// would, and rows chosen in them compared with the same chord or scale clicked in the main window.

#include "Globals.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace {

class ToolsWindow : public WindowFixture {
  protected:
    void SetUp() override { start(); }

    QWidget* openTool(int intKey) {
        pressKey(intKey, Qt::ControlModifier);
        QWidget* tool = window->findChild<QWidget*>(intKey == Qt::Key_I ? "FormIdentifyNotes"
                                                                        : "FormScaleChords");
        EXPECT_NE(tool, nullptr);
        EXPECT_TRUE(tool != nullptr && tool->isVisible());
        return tool;
    }
    template <typename T> T* toolChild(QWidget* tool, const char* strName) const {
        T* found = tool->findChild<T*>(strName);
        EXPECT_NE(found, nullptr) << strName;
        return found;
    }
    void typeNotes(QWidget* tool, const QString& strNotes) {
        auto* text = toolChild<QLineEdit>(tool, "TextNotes");
        text->selectAll();
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClicks(text, strNotes);
    }
    std::vector<std::string> chordRows(QWidget* tool) const {
        std::vector<std::string> collRows;
        auto* list = toolChild<QListWidget>(tool, "ListChords");
        for (int i = 0; i < list->count(); ++i) {
            collRows.push_back(list->item(i)->text().toStdString());
        }
        return collRows;
    }
    // Each row's columns joined by " | ".
    static std::vector<std::string> treeRows(QTreeWidget* tree) {
        std::vector<std::string> collRows;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QStringList collCells;
            for (int c = 0; c < tree->columnCount(); ++c) {
                collCells << tree->topLevelItem(i)->text(c);
            }
            collRows.push_back(collCells.join(" | ").toStdString());
        }
        return collRows;
    }

    // A user's step in the main window: "F5".."F9" (keys), "T0".."Q6" (chord list rows), "C0/3"
    // (category row), "S1" (scale row), or the name of a button or check box to click.
    void perform(const std::string& strStep) {
        activate();
        if (strStep.size() == 2 && strStep[0] == 'F') {
            QTest::keyClick(window.get(), static_cast<Qt::Key>(Qt::Key_F1 + (strStep[1] - '1')));
            return;
        }
        const char* strList = strStep[0] == 'T'   ? "ListTriad"
                              : strStep[0] == 'Q' ? "ListQuadriad"
                              : strStep[0] == 'C' ? "ListScaleCategory"
                              : strStep[0] == 'S' ? "ListScale"
                                                  : nullptr;
        if (strStep.size() <= 3 && strList != nullptr) {
            auto* list = child<QListWidget>(strList);
            QListWidgetItem* item = list->item(std::stoi(strStep.substr(1)));
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
            return;
        }
        child<QAbstractButton>(strStep.c_str())->click();
    }
    // The check boxes of the chord frame, as "x" checked and "." not, in frame order.
    std::string boxes() const {
        std::string strBoxes;
        for (const char* strName :
             {"ChkAdd9", "ChkAdd11", "ChkAdd13", "ChkNo3", "ChkSus4", "ChkSus2"}) {
            strBoxes += child<QCheckBox>(strName)->isChecked() ? "x" : ".";
        }
        return strBoxes;
    }
    // What the user sees after a row was chosen, to be compared with the same thing clicked.
    std::string seen() const {
        return summary().toStdString() + " | " + boxes() + " | " +
               std::to_string(child<QListWidget>("ListTriad")->currentRow()) + "/" +
               std::to_string(child<QListWidget>("ListQuadriad")->currentRow());
    }
};

TEST_F(ToolsWindow, MenuSitsBeforeHelpWithFreeShortcuts) {
    QStringList collMenus;
    for (const QAction* action : window->menuBar()->actions()) {
        collMenus << action->text();
    }
    EXPECT_EQ(collMenus.join(","), "File,ScaleSet,Display,Play,Tools,Help");
    EXPECT_EQ(child<QAction>("mnuIdentifyNotes")->text(), "Identify Notes...");
    EXPECT_EQ(child<QAction>("mnuScaleChords")->text(), "Chords of the Scale...");
    // Ctrl+I and Ctrl+T are no other item's key.
    QStringList collKeys;
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            collKeys << action->shortcut().toString();
        }
    }
    EXPECT_EQ(collKeys.count("Ctrl+I"), 1);
    EXPECT_EQ(collKeys.count("Ctrl+T"), 1);
    // Non-modal, and beside the main window where the screen has room for both.
    QWidget* tool = openTool(Qt::Key_I);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QRect rectScreen = window->screen()->availableGeometry();
    if (rectScreen.width() > window->frameGeometry().width() + tool->frameGeometry().width() + 16) {
        EXPECT_FALSE(tool->frameGeometry().intersects(window->frameGeometry()));
    }
    EXPECT_TRUE(rectScreen.contains(tool->pos()));
}

TEST_F(ToolsWindow, TypedNotesAreNamedAndUnknownNamesKeepTheAnswer) {
    QWidget* tool = openTool(Qt::Key_I);
    typeNotes(tool, "d f a c");
    EXPECT_EQ(chordRows(tool), (std::vector<std::string>{"D m7", "F 6"}));
    auto* tree = toolChild<QTreeWidget>(tool, "TreeScales");
    const std::vector<std::string> collScales = treeRows(tree);
    ASSERT_GE(collScales.size(), 3U);
    // Exact entries first, in catalogue order.
    EXPECT_EQ(collScales[0], "F | 6 | 3 | ");
    EXPECT_EQ(collScales[1], "D | m7 | 3 | ");
    // An unknown name: a message, and the answer stays.
    QTest::keyClicks(toolChild<QLineEdit>(tool, "TextNotes"), " H");
    EXPECT_TRUE(toolChild<QLabel>(tool, "LabelMessage")->text().contains("\"H\""));
    EXPECT_EQ(chordRows(tool), (std::vector<std::string>{"D m7", "F 6"}));
    EXPECT_EQ(treeRows(tree), collScales);
}

struct ChosenRow {
    const char* strCase;
    const char* strNotes;
    const char* strRow;                 // chord text, or "root | scale | catalogue" of a scale
    std::vector<std::string> collSteps; // the same thing clicked in the main window
};

class ChosenRowTest : public ToolsWindow, public ::testing::WithParamInterface<ChosenRow> {};

// Choosing a row leaves the main window as the equivalent clicks do: the same title, interval
// line, root buttons, mode, lists, boxes and picture.
TEST_P(ChosenRowTest, ShowsWhatTheClicksShow) {
    const ChosenRow& row = GetParam();
    for (const std::string& strStep : row.collSteps) {
        perform(strStep);
    }
    const std::string strClicked = seen();
    const QImage pictureClicked = shownPicture();
    // Elsewhere first: catalogue 2 on B flat.
    perform("F6");
    perform("BtnPitch6");
    perform("BtnPitchAdd1");
    QWidget* tool = openTool(Qt::Key_I);
    typeNotes(tool, row.strNotes);
    bool boolFound = false;
    auto* list = toolChild<QListWidget>(tool, "ListChords");
    for (int i = 0; i < list->count() && !boolFound; ++i) {
        if (list->item(i)->text() == row.strRow) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(i)).center());
            boolFound = true;
        }
    }
    auto* tree = toolChild<QTreeWidget>(tool, "TreeScales");
    const std::vector<std::string> collScales = treeRows(tree);
    for (std::size_t i = 0; i < collScales.size() && !boolFound; ++i) {
        if (collScales[i].starts_with(std::string(row.strRow) + " | ")) {
            QTreeWidgetItem* item = tree->topLevelItem(static_cast<int>(i));
            tree->scrollToItem(item);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(item).center());
            boolFound = true;
        }
    }
    ASSERT_TRUE(boolFound) << row.strRow;
    EXPECT_EQ(seen(), strClicked);
    EXPECT_EQ(pictureDifference(shownPicture(), pictureClicked), "");
}

// clang-format off
const std::vector<ChosenRow> kChosenRows{
    // F A C D: F with add13.
    {"FSixth", "D F A C", "F 6", {"BtnPitch3", "F9", "ChkAdd13"}},
    // C# E# G#: the major triad on C sharp.
    {"CSharpMajor", "Db F Ab", "C#", {"BtnPitch0", "BtnPitchAdd0", "F9"}},
    // C D F G Bb: C7 with add9 and sus4.
    {"SeventhSus4Ninth", "C D F G Bb", "C 7sus4/9/11", {"F9", "Q2", "ChkAdd9", "ChkSus4"}},
    // C G D: add9 without third is sus2, and the sus2 box shows it.
    {"Sus2", "C D G", "C sus2", {"F9", "ChkAdd9", "ChkNo3"}},
    // Eb Gb A C on D sharp: the four-note list's o7.
    {"DiminishedSeventh", "Eb Gb A C", "D# o7", {"BtnPitch1", "BtnPitchAdd0", "F9", "Q6"}},
    // G B D F Ab: G7 with b9 (the second button of the ninth's row).
    {"SeventhFlatNine", "G B D F Ab", "G 7/b9", {"BtnPitch4", "F9", "Q2", "ChkAdd9", "OptSecond1"}},
    // D Dorian from catalogue 1, category Ionian, second entry.
    {"DDorian", "D F A C", "D | Dorian | 1", {"BtnPitch1", "F5", "C0", "S1"}},
    // Eb Lydian #5 of catalogue 2, category Major Scales, sixth entry.
    {"EbLydianSharp5", "Eb G A B D", "Eb | Lydian #5 | 2", {"BtnPitch2", "BtnPitchAdd1", "F6", "C0", "S5"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tools, ChosenRowTest, ::testing::ValuesIn(kChosenRows),
                         [](const auto& info) { return std::string(info.param.strCase); });

TEST_F(ToolsWindow, ChordsOfTheScaleListsAndBuildsThem) {
    // Start-up shows C Ionian.
    QWidget* tool = openTool(Qt::Key_T);
    auto* tree = toolChild<QTreeWidget>(tool, "TreeChords");
    EXPECT_EQ(treeRows(tree),
              (std::vector<std::string>{
                  "I | C | C E G | C maj7 | C E G B", "II | D m | D F A | D m7 | D F A C",
                  "III | E m | E G B | E m7 | E G B D", "IV | F | F A C | F maj7 | F A C E",
                  "V | G | G B D | G 7 | G B D F", "VI | A m | A C E | A m7 | A C E G",
                  "VII | B o | B D F | B m7b5 | B D F A"}));
    EXPECT_EQ(toolChild<QLabel>(tool, "LabelScaleTitle")->text(),
              "Chords of C Ionian, in its own thirds (click one to build it):");
    // The four-note chord of V: G7, as clicked.
    QTreeWidgetItem* item = tree->topLevelItem(4);
    QRect rectCell = tree->visualItemRect(item);
    rectCell.setLeft(tree->header()->sectionPosition(3));
    rectCell.setWidth(tree->header()->sectionSize(3));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rectCell.center());
    const std::string strChosen = seen();
    const QImage pictureChosen = shownPicture();
    perform("F5");
    for (const char* strStep : {"BtnPitch4", "F9", "Q2"}) {
        perform(strStep);
    }
    EXPECT_EQ(seen(), strChosen);
    EXPECT_EQ(pictureDifference(shownPicture(), pictureChosen), "");
    // The table still shows C Ionian; asking again shows the chord's own (none: four notes).
    EXPECT_EQ(treeRows(tree).size(), 7U);
    openTool(Qt::Key_T);
    EXPECT_EQ(toolChild<QLabel>(tool, "LabelScaleTitle")->text(),
              "G 7 has no chords in thirds: it needs exactly one note on each degree 1 to 7.");
    EXPECT_FALSE(tree->isVisible());
}

TEST_F(ToolsWindow, UnbuildableChordsShowADash) {
    // C Gipsy Minor: catalogue 2, Minor Scales, tenth entry. F# A flat is no third.
    for (const char* strStep : {"F6", "C1", "S9"}) {
        perform(strStep);
    }
    ASSERT_EQ(lineText("TextTitle"), "C Gipsy Minor");
    QWidget* tool = openTool(Qt::Key_T);
    const std::vector<std::string> collRows = treeRows(toolChild<QTreeWidget>(tool, "TreeChords"));
    ASSERT_EQ(collRows.size(), 7U);
    EXPECT_EQ(collRows[3], "IV | \u2014 | F# Ab C | \u2014 | F# Ab C Eb");
    EXPECT_EQ(collRows[6], "VII | B m | B D F# | \u2014 | B D F# Ab");
    // A dash is no chord to build: clicking it changes nothing.
    const std::string strBefore = seen();
    auto* tree = toolChild<QTreeWidget>(tool, "TreeChords");
    QRect rectCell = tree->visualItemRect(tree->topLevelItem(3));
    rectCell.setLeft(tree->header()->sectionPosition(1));
    rectCell.setWidth(tree->header()->sectionSize(1));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rectCell.center());
    EXPECT_EQ(seen(), strBefore);
}

struct PictureClick {
    const char* strCase;
    int intInstrument; // 1 fretboard, 2 keyboard
    bool boolLeftHand;
    int x, y; // twips of the picture: a marker centre of the drawn board or keyboard
    const char* strNote;
};

class PictureClickTest : public ToolsWindow, public ::testing::WithParamInterface<PictureClick> {
  protected:
    void TearDown() override {
        Globals::setDefaultSettings();
        ToolsWindow::TearDown();
    }
};

// A click on a place toggles its note; the note is marked over the picture, which itself stays
// as the views draw it. Standard tuning from the top line: E B G D A E.
TEST_P(PictureClickTest, TogglesTheNoteOfThePlace) {
    const PictureClick& row = GetParam();
    if (row.intInstrument == 2) {
        perform("F3");
    }
    Globals::setLeftHand(row.boolLeftHand);
    window->RedrawScale();
    QWidget* tool = openTool(Qt::Key_I);
    const QImage before = shownPicture();
    const QPoint pointPixels(row.x / 15, row.y / 15);
    QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {}, pointPixels);
    EXPECT_EQ(toolChild<QLineEdit>(tool, "TextNotes")->text(), row.strNote);
    ASSERT_EQ(window->Picture().overlay(OverlayLayer::ChosenNotes).size(), 1U);
    EXPECT_EQ(window->Picture().overlay(OverlayLayer::ChosenNotes)[0].x, row.x);
    EXPECT_EQ(window->Picture().overlay(OverlayLayer::ChosenNotes)[0].y, row.y);
    EXPECT_EQ(pictureDifference(shownPicture(), before), "");
    QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {}, pointPixels);
    EXPECT_EQ(toolChild<QLineEdit>(tool, "TextNotes")->text(), "");
    EXPECT_TRUE(window->Picture().overlay(OverlayLayer::ChosenNotes).empty());
}

// clang-format off
const std::vector<PictureClick> kPictureClicks{
    // Marker centres: x 753 + 550 x fret (open strings beyond the nut), y 758 + 350 x (string - 1).
    {"TopStringOpen", 1, false, 753, 758, "E"},
    {"SecondStringFirstFret", 1, false, 1303, 1108, "C"},
    {"FourthStringFifthFret", 1, false, 3503, 1808, "G"},
    {"LowStringTwelfthFret", 1, false, 7353, 2508, "E"},
    // Left-handed, the board mirrored: the open strings at 7903 on the right.
    {"LeftHandTopStringOpen", 1, true, 7903, 758, "E"},
    {"LeftHandFourthStringFifthFret", 1, true, 5153, 1808, "G"},
    {"LeftHandSecondStringFirstFret", 1, true, 7353, 1108, "C"},
    // Keyboard discs: C3, C#3 (named flat, as the keyboard has no spelling), Bb4.
    {"KeyC3", 2, false, 1328, 2363, "C"},
    {"KeyCSharp3", 2, false, 1478, 1688, "Db"},
    {"KeyBFlat4", 2, false, 5078, 1688, "Bb"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tools, PictureClickTest, ::testing::ValuesIn(kPictureClicks),
                         [](const auto& info) { return std::string(info.param.strCase); });

// F on the low string under D A C: the bass is the lowest clicked note, whatever the order.
TEST_F(ToolsWindow, ClickedChordIsNamedFromItsBass) {
    QWidget* tool = openTool(Qt::Key_I);
    const auto clickPlace = [this](int intString, int intFret) {
        QTest::mouseClick(&window->pictureBox(), Qt::LeftButton, {},
                          QPoint((753 + 550 * intFret) / 15, (758 + 350 * (intString - 1)) / 15));
    };
    clickPlace(4, 0); // D
    clickPlace(3, 2); // A
    clickPlace(2, 1); // C
    clickPlace(6, 1); // F, the lowest
    EXPECT_EQ(toolChild<QLineEdit>(tool, "TextNotes")->text(), "F D A C");
    EXPECT_EQ(chordRows(tool), (std::vector<std::string>{"F 6", "D m7"}));
    EXPECT_EQ(window->Picture().overlay(OverlayLayer::ChosenNotes).size(), 4U);
    // Clicks count only while the window is open; closing it takes the marks away.
    tool->close();
    EXPECT_TRUE(window->Picture().overlay(OverlayLayer::ChosenNotes).empty());
    clickPlace(1, 0);
    openTool(Qt::Key_I);
    EXPECT_EQ(toolChild<QLineEdit>(tool, "TextNotes")->text(), "F D A C");
    EXPECT_EQ(window->Picture().overlay(OverlayLayer::ChosenNotes).size(), 4U);
    // Typing replaces the clicked notes; the keyboard has none of the board's places.
    typeNotes(tool, "C E G");
    EXPECT_TRUE(window->Picture().overlay(OverlayLayer::ChosenNotes).empty());
    clickPlace(1, 0);
    EXPECT_EQ(toolChild<QLineEdit>(tool, "TextNotes")->text(), "E");
    perform("F3");
    EXPECT_EQ(toolChild<QLineEdit>(tool, "TextNotes")->text(), "");
    EXPECT_TRUE(chordRows(tool).empty());
    EXPECT_TRUE(window->Picture().overlay(OverlayLayer::ChosenNotes).empty());
}

} // namespace
